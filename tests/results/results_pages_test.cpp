#include <gtest/gtest.h>

#include "game/sheet_expect.h"
#include "support/cgi_pool.h"

TEST(ResultsPages, LastPeriodShowsItsRecordsInStoredOrderOrNoDataForPeriodZero) {
    Pool pool;
    pool.Write("zrp.cfg", "WEEK1\r\nAlpha at Beta\r\nWEEK2\r\nGamma at Delta\r\n");
    pool.Join("ann@pool.test", "pw", "Ann");
    CgiAnswer none = pool.Act("LASTWEEK", "ann@pool.test", "pw");
    EXPECT_TRUE(none.HasLine("<br><i><b>Results for Period 0</b></i><br><br>"));
    EXPECT_EQ(none.Between(kSheetTable, "</table>"), ResultsTable("Correct", "Missed", {"No", "Data", "Available"}));

    pool.Write("ZRPweek.dat", "2\r\n1\r\n2\r\n");
    pool.Write("ZRPwinners1_.dat", "ANN\r\n4\r\n1\r\nBOB\r\n3\r\n2\r\n");
    CgiAnswer page = pool.Act("LASTWEEK", "ann@pool.test", "pw");
    EXPECT_TRUE(page.HasLine("<br><i><b>Results for Period 1</b></i><br><br>"));
    EXPECT_EQ(page.Between(kSheetTable, "</table>"), ResultsTable("Correct", "Missed", {"ANN", "4", "1", "BOB", "3", "2"}));
    EXPECT_EQ(page.Count(R"(<FORM METHOD="POST" ACTION="http://pool.test/cgi-bin/zrp.exe">)"), 1u);

    pool.Write("ZRPOverAllWinners.dat", "ANN\r\n7\r\n \r\nBOB\r\n");
    EXPECT_TRUE(pool.Act("SCOREBOARD", "ann@pool.test", "pw")
                    .HasLine("<PRE>Input past end of file Error Number =  62</PRE>"));
}
