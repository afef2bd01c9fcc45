#include <gtest/gtest.h>

#include "game/sheet_expect.h"
#include "support/cgi_pool.h"

// The results of a scored period are part of the season test.
TEST(ResultsPages, WithoutAPreviousPeriodTheLastPeriodIsNoughtWithoutData) {
    Pool pool;
    pool.Write("zrp.cfg", kWeek1);
    pool.Join("ann@pool.test", "pw", "Ann");
    CgiAnswer page = pool.Act("LASTWEEK", "ann@pool.test", "pw");
    EXPECT_TRUE(page.HasLine("<br><i><b>Results for Period 0</b></i><br><br>"));
    EXPECT_EQ(page.Between(kSheetTable, "</table>"), ResultsTable("Correct", "Missed", {"No", "Data", "Available"}));
}

// The scoreboard shows the standings records as stored, whatever their line
// ends and a last line without one; a file that ends inside a record fails
// the page before any record is shown, even on a pipe, where what was sent
// before the error page stays.
TEST(ResultsPages, TheScoreboardShowsWholeRecordsOrFailsBeforeTheFirst) {
    Pool pool;
    pool.Write("zrp.cfg", kWeek1);
    pool.Join("ann@pool.test", "pw", "Ann");
    pool.Write("ZRPOverAllWinners.dat", "ANN\n6\n \r\nBOB\r\n\r\n2\r\nCY\n4\n ");
    CgiAnswer page = pool.Act("SCOREBOARD", "ann@pool.test", "pw");
    EXPECT_EQ(page.Between(kSheetTable, "</table>"),
              ResultsTable("Winning Picks", "", {"ANN", "6", " ", "BOB", "", "2", "CY", "4", " "}));
    for (const char* cut : {"ANN\r\n6\r\n \r\nBOB\r\n4\r\n \r\nCY\r\n", "ANN\r\n6\r\n \r\nBOB\r\n4\r\n \r\n\r\n"}) {
        pool.Write("ZRPOverAllWinners.dat", cut);
        page = pool.Act("SCOREBOARD", "ann@pool.test", "pw");
        EXPECT_TRUE(page.HasLine("<PRE>Input past end of file Error Number =  62</PRE>")) << cut;
        EXPECT_TRUE(page.HasLine("<br><i><b>Overall Winners by Correct Picks</b></i><br><br>")) << cut;
        EXPECT_EQ(page.Bytes.find("<b>ANN</b>"), std::string::npos) << cut;
    }
}
