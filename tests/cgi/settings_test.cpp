#include <gtest/gtest.h>

#include "support/cgi_pool.h"

// The installation settings the web server passes show on the login page and
// the error page; blank counts as not set. The largest request is refused
// only when set to a number below the body's size.
TEST(Settings, TheWebServerSetsContactHelpLinkCopyrightAndTheLargestRequest) {
    Pool pool;
    pool.Env = {{"ZRP_CONTACT_EMAIL", "boss@office.test"},
                {"ZRP_HELP_URL", "https://help.office.test/zrphelp/"},
                {"ZRP_HEADER_LINK", "  "},
                {"ZRP_COPYRIGHT", "(c) 2027 The Office Pool"}};
    CgiAnswer page = pool.Get();
    EXPECT_TRUE(page.HasLine("        <a href=\"https://help.office.test/zrphelp/welcome1.html\" onClick=\"NewWindow("
                             "this.href,'name','500','500','yes');return false;\">")) << page.Bytes;
    EXPECT_TRUE(page.HasLine(R"(  <area shape="rect" coords="16,29,173,50" href="http://www.example.com/">)"));
    EXPECT_TRUE(page.HasLine("2027 The Office Pool<br>"));
    EXPECT_TRUE(pool.Get("LINENUMBER=101").HasLine("<ADDRESS>&lt;boss@office.test&gt;</ADDRESS></A>"));

    const std::string refused = "<PRE>Invalid procedure call or argument Error Number =  5</PRE>";
    Fields longForm = {{"COMMENTFIELD", std::string(200, 'a')}};  // a body of 213 bytes
    for (const char* limit : {"", "212", "213", "lots"}) {
        pool.Env["ZRP_MAX_REQUEST"] = limit;
        EXPECT_EQ(pool.Post(longForm).HasLine(refused), std::string(limit) == "212") << limit;
    }
}
