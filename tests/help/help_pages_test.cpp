#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "core/clock.h"
#include "support/cgi_pool.h"

static const std::string kHelpBase = "http://pool.test/cgi-bin/zrphelp/";

// The help page a page's banner links to, as a file name of the help folder.
static std::string HelpTarget(const CgiAnswer& page) {
    std::smatch match;
    std::regex link("        <a href=\"" + kHelpBase + "([a-z0-9]*\\.html)?\" onClick=.*");
    for (const std::string& line : page.Lines())
        if (std::regex_match(line, match, link)) return match[1].length() ? match[1].str() : "index.html";
    return "no help link";
}

TEST(HelpPages, EveryHelpLinkOpensAPageOfThePoolsOwnHelpFolderWrittenWhenMissing) {
    Pool pool;
    EXPECT_EQ(HelpTarget(pool.Get()), "welcome1.html");
    pool.Join("boss@x.test", "pw", "Boss");
    std::set<std::string> opened;
    for (const char* action : {"LOGIN", "THISWEEK", "VIEWPLAYERS", "SCOREBOARD", "POSTCOMMENTS", "VIEWCOMMENTS",
                               "ADMINMAINMENU", "DF", "ADMIN"})
        opened.insert(HelpTarget(pool.Act(action, "boss@x.test", "pw")));
    EXPECT_EQ(opened, (std::set<std::string>{"mainmenu1.html", "makeselections1.html", "viewplayers1.html",
                                             "scoreboard1.html", "postcomments1.html", "viewcomments1.html",
                                             "adminmenu1.html", "teamdatafile1.html", "index.html"}));
    // Every name a page links to is there, and each help page's own links lead to pages that are there.
    opened.insert({"welcome1.html", "viewselections1.html", "lastweeks1.html"});
    std::regex inner("href=\"([^\"]*)\"");
    for (const std::string& name : opened) {
        std::string html = pool.Read("zrphelp/" + name);
        ASSERT_TRUE(html.starts_with("<HTML><HEAD><TITLE>The Zarn Pool Help: ")) << name;
        EXPECT_NE(html.find("<body bgcolor=\"#E1D4C0\" text=\"#000099\""), std::string::npos) << name;
        for (std::sregex_iterator it(html.begin(), html.end(), inner), end; it != end; ++it) {
            std::string target = (*it)[1];
            EXPECT_TRUE(target.starts_with("javascript:") || pool.Exists("zrphelp/" + target)) << name << target;
        }
    }

    // Written only when missing, and only without a help address.
    Pool own, elsewhere;
    std::filesystem::create_directory(own.PathOf("zrphelp"));
    own.Write("zrphelp/welcome1.html", "our own words");
    own.Get();
    EXPECT_EQ(own.Read("zrphelp/welcome1.html"), "our own words");
    EXPECT_TRUE(own.Exists("zrphelp/adminmenu1.html"));
    elsewhere.Env["ZRP_HELP_URL"] = "https://help.office.test/zrphelp/";
    elsewhere.Get();
    EXPECT_FALSE(elsewhere.Exists("zrphelp"));
}

static const std::string kOnClick = "\" onClick=\"NewWindow(this.href,'name','500','500','yes');return false;\">";

// With an image location file the help pages go where the images go, also
// for a program whose path holds "apache" and has no web root beside it;
// each page fits a phone's width.
TEST(HelpPages, FollowTheImageLocationFileAndReadOnAPhone) {
    for (const std::string program : {"zrp.exe", "apache/cgi-bin/zrp.exe"}) {
        Pool pool(program);
        const std::string beside = program.substr(0, program.rfind('/') + 1);
        std::filesystem::create_directory(pool.PathOf("pics"));
        pool.Write(beside + "zrpimage.txt", pool.PathOf("pics") + "\r\nhttp://img.test/pics/\r\n");
        CgiAnswer login = pool.Get();
        EXPECT_TRUE(login.HasLine("<!-- body content-->")) << login.Bytes;
        EXPECT_TRUE(login.HasLine("        <a href=\"http://img.test/pics/zrphelp/welcome1.html" + kOnClick)) << program;
        EXPECT_TRUE(pool.Read("pics/zrphelp/welcome1.html")
                        .starts_with("<HTML><HEAD><TITLE>The Zarn Pool Help: Logging In and Joining the Pool</TITLE>\r\n"
                                     R"(<META NAME="viewport" CONTENT="width=device-width, initial-scale=1"></HEAD>)"))
            << program;
        EXPECT_FALSE(pool.Exists(beside + "zrphelp") || pool.Exists("apache/htdocs")) << program;
    }
}

// A help folder that cannot be written (a file in its place) never stops a
// page: the links lead where the help would be, and the error log says why
// once however many pages follow, the web server's log with it.
TEST(HelpPages, AFolderThatCannotBeWrittenNeverStopsAPage) {
    std::string today = ShortDate(NowLocal());
    Pool pool;
    pool.Write("zrphelp", "not a folder");
    for (int page = 0; page < 3; ++page) {
        CgiAnswer login = pool.Get();
        EXPECT_TRUE(login.HasLine("<!-- body content-->")) << login.Bytes;
        EXPECT_TRUE(login.HasLine("        <a href=\"" + kHelpBase + "welcome1.html" + kOnClick));
        EXPECT_EQ(login.Errors.starts_with("The help pages cannot be written into " + pool.PathOf("zrphelp/") +
                                           ", so the help links lead to " + kHelpBase + ": "),
                  page == 0)
            << login.Errors;
    }
    if (ShortDate(NowLocal()) != today) GTEST_SKIP() << "the date changed during the test";
    EXPECT_EQ(pool.Read("ZRPerror.log"), today + "Internal Error\r\nError in /cgi-bin/zrp.exe\r\nThe following "
                                                 "internal error has occurred:\r\nPath not found Error Number =  76\r\n"
                                                 "While processing  :  0.99 - Build 9.6.2 WriteHelpPages\r\n\r\n");
    std::filesystem::remove(pool.PathOf("zrphelp"));
    pool.Get();
    EXPECT_TRUE(pool.Exists("zrphelp/welcome1.html"));
}
