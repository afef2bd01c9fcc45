#include <gtest/gtest.h>

#include <algorithm>

#include "cgi/output.h"
#include "game/sheet_expect.h"
#include "support/cgi_pool.h"
#include "support/run_folder.h"

// A failing page: on a pipe the error page follows what was sent; in a file
// it replaces it. The scoreboard has sent its top, and no record, when the
// standings file cut inside a record fails it.
TEST(Output, AFailingPageReachesAPipeAndAFileAsLineByLineWritingLeavesThem) {
    Pool pool;
    pool.Write("zrp.cfg", kWeek1);
    pool.Join("ann@pool.test", "pw", "Ann");
    pool.Write("ZRPOverAllWinners.dat", "ANN\r\n3\r\n \r\nBOB\r\n");  // Ann whole, Bob cut
    CgiAnswer piped = pool.Act("SCOREBOARD", "ann@pool.test", "pw");
    pool.OutputToFile = true;
    CgiAnswer inFile = pool.Act("SCOREBOARD", "ann@pool.test", "pw");
    ASSERT_TRUE(inFile.HasLine("<PRE>Input past end of file Error Number =  62</PRE>"));
    ASSERT_EQ(piped.Count("Status: 200 OK"), 2u);
    size_t second = piped.Bytes.find("Status: 200 OK", 1);
    EXPECT_LT(piped.Bytes.find("Overall Winners"), second);
    EXPECT_EQ(piped.Bytes.find("<b>ANN</b>"), std::string::npos);  // not even a whole one before the cut
    EXPECT_EQ(piped.Bytes.substr(second), inFile.Bytes);
    EXPECT_EQ(inFile.Count("Status: 200 OK"), 1u);
}

// Every page opens with the same head, the error page too: the title, the
// lines that fit the page to a phone's screen, the popup script.
TEST(Output, EveryPageOpensWithTheHeadThatFitsItToAPhone) {
    auto headOf = [](const CgiAnswer& page) {
        Lines lines = page.Lines();
        return Lines(lines.begin(), std::find(lines.begin(), lines.end(), "</HEAD>") + 1);
    };
    Pool pool;
    Lines head = headOf(pool.Get());
    ASSERT_EQ(head.size(), 29u);
    EXPECT_EQ(head[3], "<HTML><HEAD><TITLE>The Zarn Pool</TITLE>");
    EXPECT_EQ(head[4], R"(<META NAME="viewport" CONTENT="width=device-width, initial-scale=1">)");
    EXPECT_EQ(head[6], "@media screen and (max-width: 960px) {");  // what it does there the browser season sees
    pool.Env["SCRIPT_NAME"] = "/x";
    head[3] = "<HTML><HEAD><TITLE>Internal Error</TITLE>";
    EXPECT_EQ(headOf(pool.Get()), head);
}
