#include <gtest/gtest.h>

#include "game/sheet_expect.h"
#include "support/cgi_pool.h"

namespace {

const char kEmail[] = "ann@pool.test";
const char kPassword[] = "secret";
const std::string kErrorFive = "<PRE>Invalid procedure call or argument Error Number =  5</PRE>";

class PickPages : public ::testing::Test {
protected:
    Pool pool;
    void SetUp() override {
        pool.Write("zrp.cfg",
                   "WEEK1\r\nAlpha at Beta\r\nGamma at Delta\r\nEpsilon at Zeta\r\nWEEK2\r\nEta at Theta\r\n");
        pool.Join(kEmail, kPassword, "Ann Admin");
    }
    CgiAnswer Act(const std::string& action, const Fields& extra = {}) const {
        CgiAnswer answer = pool.Act(action, kEmail, kPassword, extra);
        EXPECT_EQ(answer.Errors, "");
        return answer;
    }
};

TEST_F(PickPages, SheetHasOneRadioGroupPerGame) {
    CgiAnswer page = Act("THISWEEK");
    EXPECT_TRUE(page.HasLine("<br><i>Make Your Selections!</i><br>"));
    EXPECT_EQ(page.Between(kSheetTable, "</table>"),
              Table({Row(Plain("Alpha"), Radio(1, "0", false), kAt, Plain("Beta"), Radio(1, "1", false)),
                     Row(Plain("Gamma"), Radio(2, "0", false), kAt, Plain("Delta"), Radio(2, "1", false)),
                     Row(Plain("Epsilon"), Radio(3, "0", false), kAt, Plain("Zeta"), Radio(3, "1", false)),
                     TieRow("Enter Tie Breaker Score : ", TieInput(""))}));
    EXPECT_EQ(page.Hidden("ACTION"), "USERPICS1");
    EXPECT_EQ(page.Hidden("LINENUMBER"), "3");
    EXPECT_TRUE(HasLineEnding(page.Lines(), " ALT=\"Enter Your Picks\">"));
}

TEST_F(PickPages, ConfirmingWithAGameLeftOpenShowsNoChoice) {
    CgiAnswer page = Act("USERPICS1", {{"LINENUMBER", "3"}, {"C1", "0"}, {"C3", "1"}, {"TIEBREAKER", " 27"}});
    EXPECT_TRUE(page.HasLine("<br><i>Confirm Your Selections!</i><br>"));
    EXPECT_EQ(page.Between(kSheetTable, "</table>"),
              Table({Row(Bold("Alpha"), Bold(""), kAt, Plain("Beta"), Plain("")),
                     Row(Italic("Gamma"), Italic(""), kNoChoice, Italic("Delta"), Italic("")),
                     Row(Plain("Epsilon"), Plain(""), kAt, Bold("Zeta"), Bold("")),
                     TieRow("Your Tie Breaker Score : ", TieValue("27"))}));
    EXPECT_EQ(page.Hidden("ACTION"), "USERPICS2");
    EXPECT_EQ(page.Count(HiddenLine("UWP", "051")), 2u);  // the confirm form and the edit form
    EXPECT_EQ(page.Count(HiddenLine("TIEBREAKER", "27")), 2u);
    EXPECT_EQ(page.Count(HiddenLine("LINENUMBER", "3")), 2u);
    EXPECT_TRUE(page.HasLine(HiddenLine("ACTION", "THISWEEK")));
    EXPECT_TRUE(HasLineEnding(page.Lines(), " ALT=\"Edit Your Picks\">"));
}

TEST_F(PickPages, EditingShowsTheCarriedChoicesByGameNumber) {
    CgiAnswer page = Act("THISWEEK", {{"LINENUMBER", "3"}, {"UWP", "105"}, {"TIEBREAKER", "27"}});
    EXPECT_EQ(page.Between(kSheetTable, "</table>"),
              Table({Row(Plain("Alpha"), Radio(1, "0", false), kAt, Bold("Beta"), Radio(1, "1", true)),
                     Row(Bold("Gamma"), Radio(2, "0", true), kAt, Plain("Delta"), Radio(2, "1", false)),
                     Row(Plain("Epsilon"), Radio(3, "0", false), kAt, Plain("Zeta"), Radio(3, "1", false)),
                     TieRow("Enter Tie Breaker Score : ", TieInput("27"))}));
}

TEST_F(PickPages, SavingAppendsOneRecordOnly) {
    Act("USERPICS2", {{"LINENUMBER", "3"}, {"UWP", "051"}, {"TIEBREAKER", "27 "}});
    EXPECT_EQ(pool.Read("ZRPpicks1_.dat"), "ANN ADMIN\r\n051\r\n27\r\n");
    Act("USERPICS2", {{"LINENUMBER", "3"}, {"UWP", "111"}, {"TIEBREAKER", "30"}});
    EXPECT_EQ(pool.Read("ZRPpicks1_.dat"), "ANN ADMIN\r\n051\r\n27\r\n");
}

TEST_F(PickPages, LineBreaksInAValueCannotForgeAnotherRecord) {
    Act("USERPICS2", {{"LINENUMBER", "3"}, {"UWP", "0\r\nBOB\r\n111"}, {"TIEBREAKER", "2\r\n7"}});
    EXPECT_EQ(pool.Read("ZRPpicks1_.dat"), "ANN ADMIN\r\n0BOB111\r\n27\r\n");
}

TEST_F(PickPages, ViewingShowsTheStoredRecordAndNoRowsBeyondIt) {
    pool.Write("ZRPpicks1_.dat", " ann admin\r\n10\r\n33\r\n");
    CgiAnswer page = Act("VIEWUSERPICKS");
    EXPECT_TRUE(page.HasLine("<br><i>Your Selections</i><br>"));
    EXPECT_EQ(page.Between(kSheetTable, "</table>"),
              Table({Row(Plain("Alpha"), Plain(""), kAt, Bold("Beta"), Bold("")),
                     Row(Bold("Gamma"), Bold(""), kAt, Plain("Delta"), Plain("")),
                     TieRow("Your Tie Breaker Score : ", TieValue("33"))}));
    EXPECT_FALSE(page.HasLine(HiddenLine("ACTION", "USERPICS2")));
    EXPECT_TRUE(page.HasLine(HiddenLine("ACTION", "LOGIN")));
}

TEST_F(PickPages, LockedPeriodShowsNoSheetAndSavesNothing) {
    pool.Write("ZRP__LockDateTime.txt", "01\r\n02\r\n2020\r\n10\r\n00\r\n");
    EXPECT_FALSE(Act("THISWEEK").HasLine(kSheetTable));
    EXPECT_FALSE(Act("USERPICS1", {{"LINENUMBER", "3"}, {"C1", "0"}}).HasLine(kSheetTable));
    Act("USERPICS2", {{"LINENUMBER", "3"}, {"UWP", "051"}, {"TIEBREAKER", "27"}});
    EXPECT_FALSE(pool.Exists("ZRPpicks1_.dat"));
}

TEST_F(PickPages, AGameLineWithoutAtEndsInTheErrorPage) {
    pool.Write("zrp.cfg", "WEEK1\r\nAlpha at Beta\r\nGamma versus Delta\r\n");
    EXPECT_TRUE(Act("THISWEEK").HasLine(kErrorFive));
    EXPECT_TRUE(Act("USERPICS1", {{"LINENUMBER", "2"}, {"C1", "0"}}).HasLine(kErrorFive));
}

}  // namespace
