#include <gtest/gtest.h>

#include <filesystem>

#include "game/sheet_expect.h"

namespace {

struct PickPages : ::testing::Test {
    Pool pool;
    PickPages() { Open(pool, kWeek1, {{kAnn, "Ann Admin"}}); }
    CgiAnswer Act(const std::string& action, const Fields& extra = {}) const { return pool.Act(action, kAnn, "pw", extra); }
};

TEST_F(PickPages, SheetConfirmationEditSaveAndViewCarryThePicksByGameNumber) {
    CgiAnswer sheet = Act("THISWEEK");
    EXPECT_TRUE(sheet.HasLine("<br><i>Make Your Selections!</i><br>"));
    EXPECT_EQ(sheet.Between(kSheetTable, "</table>"), Sheet(kTeams, "", "", true));
    EXPECT_EQ(sheet.Hidden("ACTION") + " " + sheet.Hidden("LINENUMBER"), "USERPICS1 3");

    CgiAnswer confirm = Act("USERPICS1", {{"LINENUMBER", "3"}, {"C1", "0"}, {"C3", "1"}, {"TIEBREAKER", " 27"}});
    EXPECT_TRUE(confirm.HasLine("<br><i>Confirm Your Selections!</i><br>"));
    EXPECT_EQ(confirm.Between(kSheetTable, "</table>"), Sheet(kTeams, "051", "27", false));
    EXPECT_EQ(confirm.Hidden("ACTION"), "USERPICS2");
    // The confirm form and the edit form (back to THISWEEK) carry the same values.
    for (const auto& line : {HiddenLine("UWP", "051"), HiddenLine("TIEBREAKER", "27"), HiddenLine("LINENUMBER", "3")})
        EXPECT_EQ(confirm.Count(line), 2u) << line;

    // Character n of UWP marks game n; "5" is no choice.
    CgiAnswer edit = Act("THISWEEK", {{"LINENUMBER", "3"}, {"UWP", "105"}, {"TIEBREAKER", "27"}});
    EXPECT_EQ(edit.Between(kSheetTable, "</table>"), Sheet(kTeams, "105", "27", true));

    // Saving stores the record; the answer's menu finds it at once.
    CgiAnswer saved = Act("USERPICS2", {{"LINENUMBER", "3"}, {"UWP", "111"}, {"TIEBREAKER", "30"}});
    EXPECT_TRUE(saved.HasLine("          <b>Team Selection Completed - View</b><br>"));
    EXPECT_EQ(pool.Read("ZRPpicks1_.dat"), "ANN ADMIN\r\n111\r\n30\r\n");

    // A record written otherwise: found whatever its blanks and case, no rows beyond it.
    pool.Write("ZRPpicks1_.dat", " ann admin\r\n10\r\n33\r\n");
    CgiAnswer page = Act("VIEWUSERPICKS");
    EXPECT_TRUE(page.HasLine("<br><i>Your Selections</i><br>"));
    EXPECT_EQ(page.Between(kSheetTable, "</table>"), Sheet(kTeams, "10", "33", false));
}

// A period header may carry a date or a note after its number; a week file
// holding the whole header is read by its number too.
TEST_F(PickPages, TextAfterAPeriodsNumberIsIgnored) {
    pool.Write("zrp.cfg", "WEEK1 - September 7\r\n" + kWeek1.substr(7) + "WEEK2 (Sept. 14)\r\nBeta at Gamma\r\n");
    std::filesystem::remove(pool.PathOf("ZRPweek.dat"));
    for (const char* weekFile : {"", "1 - SEPTEMBER 7\r\n1 - SEPTEMBER 7\r\n2 (SEPT. 14)\r\n"}) {
        if (*weekFile) pool.Write("ZRPweek.dat", weekFile);
        CgiAnswer sheet = Act("THISWEEK");
        EXPECT_TRUE(*weekFile || pool.Read("ZRPweek.dat") == "1\r\n1\r\n2\r\n");
        EXPECT_TRUE(sheet.HasLine("       1 of 2")) << weekFile;
        EXPECT_EQ(sheet.Between(kSheetTable, "</table>"), Sheet(kTeams, "", "", true)) << weekFile;
    }
}

}  // namespace
