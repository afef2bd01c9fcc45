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
