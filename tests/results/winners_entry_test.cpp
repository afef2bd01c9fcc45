#include <gtest/gtest.h>

#include "game/sheet_expect.h"
#include "support/cgi_pool.h"

namespace {

class WinnersEntry : public ::testing::Test {
protected:
    Pool pool;
    void SetUp() override {
        pool.Write("zrp.cfg", "WEEK1\r\nAlpha at Beta\r\nGamma at Delta\r\nEpsilon at Zeta\r\n");
        pool.Join("boss@pool.test", "pw", "Boss");
    }
    CgiAnswer Act(const std::string& action, const Fields& extra) const {
        return pool.Act(action, "boss@pool.test", "pw", extra);
    }
};

TEST_F(WinnersEntry, EnteringKeepsTheCarriedWinnersChecked) {
    CgiAnswer page = Act("ENTERWINNERS", {{"LINENUMBER", "3"}, {"UWP", "01"}, {"TIEBREAKER", "35"}});
    EXPECT_TRUE(page.HasLine("<br><i>Enter This Weeks Winning Teams</i><br>"));
    EXPECT_EQ(page.Between(kSheetTable, "</table>"),
              Table({Row(Bold("Alpha"), Radio(1, "0", true), kAt, Plain("Beta"), Radio(1, "1", false)),
                     Row(Plain("Gamma"), Radio(2, "0", false), kAt, Bold("Delta"), Radio(2, "1", true)),
                     Row(Plain("Epsilon"), Radio(3, "0", false), kAt, Plain("Zeta"), Radio(3, "1", false)),
                     TieRow("Enter Tie Breaker Score : ", TieInput("35"))}));
    EXPECT_EQ(page.Hidden("ACTION"), "ENTERWINNERS2");
    EXPECT_EQ(page.Hidden("LINENUMBER"), "3");
    EXPECT_TRUE(page.HasLine(HiddenLine("ACTION", "ADMIN")));
}

TEST_F(WinnersEntry, ConfirmationCarriesTheWinnersToTheScoringAndBack) {
    CgiAnswer page = Act("ENTERWINNERS2", {{"LINENUMBER", "3"}, {"C1", "1"}, {"C3", "0"}, {"TIEBREAKER", "35"}});
    EXPECT_TRUE(page.HasLine("<br><i>Confirm The ZARN POOL Winning Teams</i><br>"));
    EXPECT_EQ(page.Between(kSheetTable, "</table>"),
              Table({Row(Plain("Alpha"), Plain(""), kAt, Bold("Beta"), Bold("")),
                     Row(Italic("Gamma"), Italic(""), kNoChoice, Italic("Delta"), Italic("")),
                     Row(Bold("Epsilon"), Bold(""), kAt, Plain("Zeta"), Plain("")),
                     TieRow("Your Tie Breaker Score : ", TieValue("35"))}));
    EXPECT_EQ(page.Hidden("ACTION"), "ENTERWINNERSFINAL");
    EXPECT_EQ(page.Count(HiddenLine("UWP", "150")), 2u);
    EXPECT_TRUE(page.HasLine(HiddenLine("ACTION", "ENTERWINNERS")));
    EXPECT_TRUE(page.HasLine(HiddenLine("ACTION", "ADMIN")));
}

}  // namespace
