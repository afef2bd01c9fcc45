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
// ends and a last line without one (a cut file: see the output tests); names
// lose the blanks around them, the points keep theirs.
TEST(ResultsPages, TheScoreboardShowsTheRecordsAsStored) {
    Pool pool;
    pool.Write("zrp.cfg", kWeek1);
    pool.Join("ann@pool.test", "pw", "Ann");
    pool.Write("ZRPOverAllWinners.dat", "ANN\n6\n \r\nBOB\r\n\r\n2\r\n  DEE  \n 7 \nx\nCY\n4\n ");
    CgiAnswer page = pool.Act("SCOREBOARD", "ann@pool.test", "pw");
    EXPECT_EQ(page.Between(kSheetTable, "</table>"),
              ResultsTable("Winning Picks", "", {"ANN", "6", " ", "BOB", "", "2", "DEE", " 7 ", "x", "CY", "4", " "}));
}
