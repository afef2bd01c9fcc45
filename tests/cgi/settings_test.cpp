#include <gtest/gtest.h>

#include "support/cgi_pool.h"

static const std::string kHelpOnClick = "\" onClick=\"NewWindow(this.href,'name','500','500','yes');return false;\">";
static const std::string kFooterStart =
    R"(<P align="center"><font size="2"> <font face="Verdana, Arial, Helvetica, sans-serif" size="1" color="#000000">)";

// The lines an installation setting shows on the login page, and the contact on the error page.
static void ExpectSettingsShown(const Pool& pool, const std::string& help, const std::string& link,
                                const std::string& copyrightFirst, const std::string& copyrightRest,
                                const std::string& contact) {
    CgiAnswer page = pool.Get();
    EXPECT_TRUE(page.HasLine("        <a href=\"" + help + "welcome1.html" + kHelpOnClick)) << page.Bytes;
    EXPECT_TRUE(page.HasLine("  <area shape=\"rect\" coords=\"16,29,173,50\" href=\"" + link + "\">"));
    EXPECT_TRUE(page.HasLine(kFooterStart + copyrightFirst));
    EXPECT_TRUE(page.HasLine(copyrightRest));
    CgiAnswer failed = pool.Get("LINENUMBER=101");
    EXPECT_TRUE(failed.HasLine("<A HREF=\"mailto:" + contact + "\">"));
    EXPECT_TRUE(failed.HasLine("<ADDRESS>&lt;" + contact + "&gt;</ADDRESS></A>"));
}

TEST(Settings, DefaultsUntilTheWebServerPassesOthersTheLargestRequestToo) {
    Pool pool;
    ExpectSettingsShown(pool, "http://pool.test/cgi-bin/zrphelp/", "http://www.example.com/", "Copyright",
                        "&copy; 2026 The Zarn Pool Online! team. All rights reserved.<br>", "poolmaster@example.com");
    pool.Env = {{"ZRP_CONTACT_EMAIL", "boss@office.test"},
                {"ZRP_HELP_URL", "https://help.office.test/zrphelp/"},
                {"ZRP_HEADER_LINK", "https://office.test/"},
                {"ZRP_COPYRIGHT", "(c) 2027 The Office Pool"}};
    ExpectSettingsShown(pool, "https://help.office.test/zrphelp/", "https://office.test/", "(c)",
                        "2027 The Office Pool<br>", "boss@office.test");
    // Blank counts as not set.
    pool.Env = {{"ZRP_HEADER_LINK", "  "}, {"ZRP_COPYRIGHT", "Pool"}};
    ExpectSettingsShown(pool, "http://pool.test/cgi-bin/zrphelp/", "http://www.example.com/", "Pool", "<br>",
                        "poolmaster@example.com");

    // The largest request, unset, below, at and past the body's size, or not a number.
    const std::string refused = "<PRE>Invalid procedure call or argument Error Number =  5</PRE>";
    Fields longForm = {{"COMMENTFIELD", std::string(200, 'a')}};  // a body of 213 bytes
    for (const char* limit : {"", "212", "213", "0", "lots", "99999999999"}) {
        pool.Env["ZRP_MAX_REQUEST"] = limit;
        EXPECT_EQ(pool.Post(longForm).HasLine(refused), std::string(limit) == "212") << limit;
    }
}
