#include <gtest/gtest.h>

#include "game/sheet_expect.h"

namespace {

struct WinnersEntry : ::testing::Test {
    Pool pool;
    WinnersEntry() { Open(pool, kWeek1 + "WEEK2\r\nBeta at Gamma\r\n", {{kBoss, "Boss"}}); }
    CgiAnswer Boss(const std::string& action, const Fields& extra = {}) const { return pool.Act(action, kBoss, "pw", extra); }
};

// The entry sheet and its confirmation, sent as a browser sends them, score
// the period they name (sent again: see the undo tests).
TEST_F(WinnersEntry, EntryAndConfirmationScoreThePeriodTheyName) {
    CgiAnswer entry = Boss("ENTERWINNERS", {{"LINENUMBER", "3"}, {"UWP", "01"}, {"TIEBREAKER", "35"}});
    EXPECT_TRUE(entry.HasLine("<br><i>Enter This Weeks Winning Teams</i><br>"));
    EXPECT_EQ(entry.Between(kSheetTable, "</table>"), Sheet(kTeams, "01", "35", true));
    Fields sheet = FormFields(entry, "ENTERWINNERS2");
    EXPECT_EQ(entry.Hidden("LINENUMBER"), "3");
    sheet.insert(sheet.end(), {{"C1", "1"}, {"C3", "0"}, {"TIEBREAKER", "35"}});

    CgiAnswer confirm = pool.Post(sheet);
    EXPECT_TRUE(confirm.HasLine("<br><i>Confirm The ZARN POOL Winning Teams</i><br>"));
    EXPECT_EQ(confirm.Between(kSheetTable, "</table>"), Sheet(kTeams, "150", "35", false));
    EXPECT_EQ(confirm.Count(HiddenLine("UWP", "150")), 2u);
    Fields confirmation = FormFields(confirm, "ENTERWINNERSFINAL");
    EXPECT_TRUE(std::ranges::count(confirmation, std::pair<std::string, std::string>{"PERIOD", "1"}));
    EXPECT_TRUE(pool.Post(confirmation).HasLine("<!-- AdminMainMenu -->"));
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "2\r\n1\r\n2\r\n");

    // A confirmation page made before the field existed scores the current period.
    std::erase(confirmation, std::pair<std::string, std::string>{"PERIOD", "1"});
    pool.Post(confirmation);
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "3\r\n1\r\n2\r\n");
    EXPECT_EQ(pool.Read("ZRPpicks2W_.dat"), "150\r\n35\r\n");
}

TEST_F(WinnersEntry, HugePeriodNumberFailsWithOverflowAndWritesNothing) {
    pool.Write("ZRPweek.dat", "99999999999999999999\r\n1\r\n1\r\n");
    auto before = pool.DataFiles();
    CgiAnswer answer = Boss("ENTERWINNERSFINAL", {{"UWP", "011"}, {"TIEBREAKER", "35"}, {"LINENUMBER", "3"}});
    EXPECT_TRUE(answer.HasLine("<PRE>Overflow Error Number =  6</PRE>")) << answer.Bytes;
    EXPECT_EQ(pool.DataFiles(), before);
}

}  // namespace
