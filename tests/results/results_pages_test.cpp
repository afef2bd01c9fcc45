#include <gtest/gtest.h>

#include "game/sheet_expect.h"
#include "support/cgi_pool.h"

namespace {

std::vector<std::string> ResultRow(const std::string& name, const std::string& middle, const std::string& third) {
    return Row(Bold(name), Bold(""), "<b>" + kCell + middle + "</font></b>", Bold(third), Bold(""));
}
const auto kHeading = ResultRow("Name", "Correct", "Missed");
const auto kNoData = ResultRow("No", "Data", "<div align=center>Available</div>");

class ResultsPages : public ::testing::Test {
protected:
    Pool pool;
    void SetUp() override {
        pool.Write("zrp.cfg", "WEEK1\r\nAlpha at Beta\r\nWEEK2\r\nGamma at Delta\r\n");
        pool.Join("ann@pool.test", "pw", "Ann");
    }
    CgiAnswer Act(const std::string& action) const { return pool.Act(action, "ann@pool.test", "pw"); }
};

TEST_F(ResultsPages, LastPeriodShowsItsRecordsInStoredOrder) {
    pool.Write("ZRPweek.dat", "2\r\n1\r\n2\r\n");
    pool.Write("ZRPwinners1_.dat", "ANN\r\n4\r\n1\r\nBOB\r\n3\r\n2\r\n");
    CgiAnswer page = Act("LASTWEEK");
    EXPECT_TRUE(page.HasLine("<br><i><b>Results for Period 1</b></i><br><br>"));
    EXPECT_EQ(page.Between(kSheetTable, "</table>"),
              Table({kHeading, ResultRow("ANN", "4", "<div align=center>1</div>"),
                     ResultRow("BOB", "3", "<div align=center>2</div>")}));
    EXPECT_EQ(page.Count(R"(<FORM METHOD="POST" ACTION="http://pool.test/cgi-bin/zrp.exe">)"), 1u);
}

TEST_F(ResultsPages, WithoutAPreviousPeriodTheCaptionNamesPeriodZero) {
    CgiAnswer page = Act("LASTWEEK");
    EXPECT_TRUE(page.HasLine("<br><i><b>Results for Period 0</b></i><br><br>"));
    EXPECT_EQ(page.Between(kSheetTable, "</table>"), Table({kHeading, kNoData}));
}

TEST_F(ResultsPages, ScoreboardBeforeAnyRunHasNoHeadingRow) {
    CgiAnswer page = Act("SCOREBOARD");
    EXPECT_TRUE(page.HasLine("<br><i><b>Overall Winners by Correct Picks</b></i><br><br>"));
    EXPECT_EQ(page.Between(kSheetTable, "</table>"), Table({kNoData}));
}

TEST_F(ResultsPages, ScoreboardShowsABlankThirdColumn) {
    pool.Write("ZRPOverAllWinners.dat", "ANN\r\n7\r\n \r\n");
    EXPECT_EQ(Act("SCOREBOARD").Between(kSheetTable, "</table>"),
              Table({ResultRow("Name", "Winning Picks", ""), ResultRow("ANN", "7", "<div align=center> </div>")}));
}

TEST_F(ResultsPages, AFileEndingInsideARecordEndsInTheErrorPage) {
    pool.Write("ZRPOverAllWinners.dat", "ANN\r\n7\r\n \r\nBOB\r\n");
    EXPECT_TRUE(Act("SCOREBOARD").HasLine("<PRE>Input past end of file Error Number =  62</PRE>"));
}

}  // namespace
