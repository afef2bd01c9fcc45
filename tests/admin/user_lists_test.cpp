#include <gtest/gtest.h>

#include "admin/admin_pool.h"

namespace {

const std::string kCellOpen = R"(><div align="center"><font face="Verdana, Arial, Helvetica, sans-serif" size="1">)";

std::string CellOpen(const std::string& width) { return "    <td width=\"" + width + "\"" + kCellOpen; }

void WriteMixedUsers(const AdminPool& pool) {
    pool.WriteUsers({MakeUser("BOSS@POOL.TEST", "BIG BOSS", "SECRET", "ADMINISTRATOR"),
                     MakeUser("ANN@POOL.TEST", "ANN LEE", "PW1", "USER"), MakeUser("NOAT", "NO AT", "PW2", "USER"),
                     MakeUser("DEL@POOL.TEST", "DEAD MAN", "PW3", "DELETE"),
                     MakeUser("NEW@POOL.TEST", "NINA NEW", "PW4", "PENDING")});
}

}  // namespace

TEST(UserLists, DatabaseShowsEveryLiveUserWithPasswordAndCompactsAfterwards) {
    AdminPool pool;
    WriteMixedUsers(pool);
    CgiAnswer page = pool.Admin("VIEWUSERS");
    EXPECT_EQ(page.Errors, "");
    EXPECT_TRUE(page.HasLine(R"(    <td width="96"><div align="center"><font face="Verdana, Arial, Helvetica, )"
                             R"(sans-serif" size="1" color="#FFFFFF"><b>Last Accessed Program On</b></font></div></td>)"));
    EXPECT_TRUE(page.HasLine(R"(<div align="center"><font face="Verdana, Arial, Helvetica, sans-serif" )"
                             R"(color="#0000FF"><b>VIEW USER DATABASE</b></font></div>)"));
    std::vector<std::string> annRow = {R"(  <tr bgcolor="#FFFFFF">)",
                                       CellOpen("174"),
                                       R"(<a href="MAILTO:ann@pool.test">ann@pool.test</a>)",
                                       "</font></div></td>",
                                       CellOpen("166"),
                                       "ANN LEE",
                                       "</font></div></td>",
                                       CellOpen("111"),
                                       "PW1",
                                       "</font></div></td>",
                                       CellOpen("104"),
                                       "USER",
                                       "</font></div></td>",
                                       CellOpen("83"),
                                       "<br>01-02-2026 03:04:05",
                                       "</font></div></td>",
                                       "  </tr>"};
    std::vector<std::string> lines = page.Lines();
    EXPECT_NE(std::search(lines.begin(), lines.end(), annRow.begin(), annRow.end()), lines.end());
    EXPECT_EQ(page.Count(CellOpen("111")), 4u);  // boss, ann, the address without "@", nina
    EXPECT_TRUE(page.HasLine("NO AT"));
    EXPECT_FALSE(page.HasLine("DEAD MAN"));
    EXPECT_TRUE(page.HasLine(R"(  <tr bgcolor="#CCCCCC">)"));
    EXPECT_TRUE(page.HasLine("<b>PENDING</b>"));
    EXPECT_TRUE(page.HasLine(R"(<input type="submit" name="Submit" value="Return to Administrators Main Menu">)"));

    std::vector<UserRecord> users = pool.Users();
    ASSERT_EQ(users.size(), 3u);
    EXPECT_EQ(users[1].UserEmail, "ANN@POOL.TEST");
    EXPECT_EQ(users[2].UserEmail, "NEW@POOL.TEST");
}

TEST(UserLists, PlayersListNeverShowsPasswordsAndChangesNothing) {
    AdminPool pool;
    WriteMixedUsers(pool);
    std::string before = pool.Read("ZRPform_user.dat");
    CgiAnswer page = pool.Act(" viewPlayers ", "ann@pool.test", "pw1");
    EXPECT_TRUE(page.HasLine("<!-- ViewUsers -->"));
    EXPECT_TRUE(page.HasLine(R"(<table width="572" border="1" cellspacing="0" cellpadding="5" align="center">)"));
    EXPECT_TRUE(page.HasLine(R"(    <td width="96"><div align="center"><font face="Verdana, Arial, Helvetica, )"
                             R"(sans-serif" size="1" color="#FFFFFF"><b>Last Accessed Game</b></font></div></td>)"));
    EXPECT_EQ(page.Count(CellOpen("111")), 0u);
    EXPECT_EQ(page.Count(CellOpen("174")), 4u);
    EXPECT_FALSE(page.HasLine("PW1"));
    EXPECT_TRUE(page.HasLine(R"(<a href="MAILTO:new@pool.test">new@pool.test</a>)"));
    EXPECT_TRUE(page.HasLine("<b>PENDING</b>"));
    EXPECT_EQ(page.Hidden("ACTION"), "LOGIN");
    // Only the login's own access time changed: the list itself compacts nothing.
    EXPECT_EQ(pool.Read("ZRPform_user.dat").size(), before.size());
}
