#include <gtest/gtest.h>

#include "cgi/settings.h"
#include "core/clock.h"
#include "support/cgi_pool.h"

static const std::string kVersion = "0.99 - Build 9.6.2";

// The page from its heading on; before the folder is known, it has no version nor routine.
static Lines ErrorPage(const std::string& text, bool known) {
    std::string contact = kAdminContactEmail, version = known ? kVersion : "", routine = known ? "GetData" : "";
    return {"<H1>Error in /cgi-bin/zrp.exe</H1>", "The following internal error has occurred:",
            "<PRE>" + text + "</PRE>", "<I>Please</I> note what you were doing when this problem occurred, ",
            "so we can identify and correct it. Write down the Web page you were ",
            "using, any data you may have entered into a form or search box, ",
            "and anything else that may help us duplicate the problem.",
            "Then contact the administrator of this service: ", "<A HREF=\"mailto:" + contact + "\">",
            "<ADDRESS>&lt;" + contact + "&gt;</ADDRESS></A>", "<br>", version + "   <br>", routine, "</BODY></HTML>"};
}

TEST(ErrorPage, EachFailureIsShownAndAddsAnEntryToTheErrorLog) {
    std::string today = ShortDate(NowLocal());
    Pool pool;
    struct {
        Fields body;
        std::string query, length, text;
        bool folderKnown;  // before, the log has no prefix
    } cases[] = {
        {{{"LINENUMBER", "40000"}}, "", "1048577", "Invalid procedure call or argument Error Number =  5", false},
        {{{"LINENUMBER", "40000"}}, "", "5000", "Overflow Error Number =  6", true},  // a short body is read to its end
    };
    std::string errorLog, poolErrorLog;
    for (const auto& c : cases) {
        pool.Env["CONTENT_LENGTH"] = c.length;
        CgiAnswer answer = c.body.empty() ? pool.Get(c.query) : pool.Post(c.body);
        EXPECT_EQ(answer.Errors + std::to_string(answer.ExitStatus), "0");
        EXPECT_TRUE(answer.Bytes.starts_with("Status: 200 OK\r\n") && answer.Bytes.ends_with("</BODY></HTML>\r\n"))
            << c.text;
        EXPECT_EQ(answer.Between("<H1>Error in /cgi-bin/zrp.exe</H1>", "</BODY></HTML>"),
                  ErrorPage(c.text, c.folderKnown)) << c.text;
        (c.folderKnown ? poolErrorLog : errorLog) +=
            today + "Internal Error\r\nError in /cgi-bin/zrp.exe\r\nThe following internal error has occurred:\r\n" +
            c.text + "\r\nWhile processing  :  " + (c.folderKnown ? kVersion + " GetData" : " ") + "\r\n\r\n";
    }
    if (ShortDate(NowLocal()) != today) GTEST_SKIP() << "the date changed during the test";
    EXPECT_EQ(pool.Read("error.log"), errorLog);
    EXPECT_EQ(pool.Read("ZRPerror.log"), poolErrorLog);
}
