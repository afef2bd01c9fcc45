#include <gtest/gtest.h>

#include "game/sheet_expect.h"
#include "support/cgi_pool.h"

TEST(WinnersEntry, EntryAndConfirmationCarryTheWinnersToTheScoring) {
    Pool pool;
    pool.Write("zrp.cfg", kWeek1);
    pool.Join("boss@pool.test", "pw", "Boss");
    CgiAnswer entry =
        pool.Act("ENTERWINNERS", "boss@pool.test", "pw", {{"LINENUMBER", "3"}, {"UWP", "01"}, {"TIEBREAKER", "35"}});
    EXPECT_TRUE(entry.HasLine("<br><i>Enter This Weeks Winning Teams</i><br>"));
    EXPECT_EQ(entry.Between(kSheetTable, "</table>"), Sheet(kTeams, "01", "35", true));
    EXPECT_EQ(entry.Hidden("ACTION") + " " + entry.Hidden("LINENUMBER"), "ENTERWINNERS2 3");
    EXPECT_TRUE(entry.HasLine(HiddenLine("ACTION", "ADMIN")));

    CgiAnswer confirm = pool.Act("ENTERWINNERS2", "boss@pool.test", "pw",
                                 {{"LINENUMBER", "3"}, {"C1", "1"}, {"C3", "0"}, {"TIEBREAKER", "35"}});
    EXPECT_TRUE(confirm.HasLine("<br><i>Confirm The ZARN POOL Winning Teams</i><br>"));
    EXPECT_EQ(confirm.Between(kSheetTable, "</table>"), Sheet(kTeams, "150", "35", false));
    EXPECT_EQ(confirm.Hidden("ACTION"), "ENTERWINNERSFINAL");
    EXPECT_EQ(confirm.Count(HiddenLine("UWP", "150")), 2u);
}
