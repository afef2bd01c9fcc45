#include <gtest/gtest.h>

#include <regex>
#include <set>

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
