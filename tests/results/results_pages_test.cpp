#include <gtest/gtest.h>

#include "game/sheet_expect.h"
#include "support/cgi_pool.h"

// The results of a scored period are part of the season test. Without a
// previous period the last period is nought without data. The scoreboard shows
// the standings records as stored, whatever their line ends and a last line
// without one (a cut file: see the output tests); names lose the blanks around
// them, the points keep theirs.
TEST(ResultsPages, NoLastPeriodYetAndTheScoreboardAsStored) {
    Pool pool;
    pool.Write("zrp.cfg", kWeek1);
    pool.Join("ann@pool.test", "pw", "Ann");
    CgiAnswer page = pool.Act("LASTWEEK", "ann@pool.test", "pw");
    EXPECT_TRUE(page.HasLine("<br><i><b>Results for Period 0</b></i><br><br>"));
    EXPECT_EQ(page.Between(kSheetTable, "</table>"), ResultsTable("Correct", "Missed", {"No", "Data", "Available"}));
    pool.Write("ZRPOverAllWinners.dat", "ANN\n6\n \r\nBOB\r\n\r\n2\r\n  DEE  \n 7 \nx\nCY\n4\n ");
    EXPECT_EQ(pool.Act("SCOREBOARD", "ann@pool.test", "pw").Between(kSheetTable, "</table>"),
              ResultsTable("Winning Picks", "", {"ANN", "6", " ", "BOB", "", "2", "DEE", " 7 ", "x", "CY", "4", " "}));
}
