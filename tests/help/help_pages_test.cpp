#include <gtest/gtest.h>

#include <regex>
#include <filesystem>

#include "support/cgi_pool.h"

static const std::string kHelpBase = "http://pool.test/cgi-bin/zrphelp/";

// Each help page fits a phone and its own links lead to pages that are there; the pages are
// written only when missing, and not at all with a help address set.
TEST(HelpPages, TheHelpFolderIsWholeAndWrittenOnlyWhenMissing) {
    Pool pool;
    pool.Get();
    std::regex inner("href=\"([^\"]*)\"");
    for (const auto& entry : std::filesystem::directory_iterator(pool.PathOf("zrphelp"))) {
        std::string name = entry.path().filename(), html = pool.Read("zrphelp/" + name);
        ASSERT_NE(html.find(R"(<META NAME="viewport" CONTENT="width=device-width, initial-scale=1"></HEAD>)"),
                  std::string::npos) << name;
        for (std::sregex_iterator it(html.begin(), html.end(), inner), end; it != end; ++it) {
            std::string target = (*it)[1];
            EXPECT_TRUE(target.starts_with("javascript:") || pool.Exists("zrphelp/" + target)) << name << target;
        }
    }
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

// A help folder that cannot be written (a file in its place) never stops a
// page: the links lead where the help would be, and the error log says why
// once however many pages follow, the web server's log with it.
TEST(HelpPages, AFolderThatCannotBeWrittenNeverStopsAPage) {
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
    std::string log = pool.Read("ZRPerror.log");
    size_t at = log.find("Path not found Error Number =  76\r\nWhile processing  :  0.99 - Build 9.6.2 WriteHelpPages");
    EXPECT_TRUE(at != std::string::npos && at == log.rfind("Path not found")) << log;
}
