#include <gtest/gtest.h>

#include "support/admin_pool.h"

namespace {

const std::string kPasswordCell =
    R"(    <td width="111"><div align="center"><font face="Verdana, Arial, Helvetica, sans-serif" size="1">)";

void WriteMixedUsers(const AdminPool& pool) {
    pool.WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "ANN@POOL.TEST/ANN LEE/PW1/USER",
                     "NOAT/NO AT/PW2/USER", "DEL@POOL.TEST/DEAD MAN/PW3/DELETE", "NEW@POOL.TEST/NINA NEW/PW4/PENDING"});
}

}  // namespace

TEST(UserLists, DatabaseShowsLiveUsersWithPasswordsThenCompacts) {
    AdminPool pool;
    WriteMixedUsers(pool);
    CgiAnswer page = pool.Admin("VIEWUSERS");
    EXPECT_EQ(page.Count(kPasswordCell), 4u);
    EXPECT_TRUE(page.HasLine(R"(<a href="MAILTO:ann@pool.test">ann@pool.test</a>)"));
    EXPECT_TRUE(page.HasLine("PW1") && page.HasLine("NO AT") && page.HasLine("<br>01-02-2026 03:04:05"));
    EXPECT_FALSE(page.HasLine("DEAD MAN"));
    EXPECT_TRUE(page.HasLine(R"(  <tr bgcolor="#CCCCCC">)") && page.HasLine("<b>PENDING</b>"));
    EXPECT_EQ(pool.Users(),
              (std::vector<std::string>{"BOSS@POOL.TEST/ADMINISTRATOR", "ANN@POOL.TEST/USER", "NEW@POOL.TEST/PENDING"}));
}

TEST(UserLists, PlayersListNeverShowsPasswordsAndCompactsNothing) {
    AdminPool pool;
    WriteMixedUsers(pool);
    CgiAnswer page = pool.Act(" viewPlayers ", "ann@pool.test", "pw1");
    EXPECT_TRUE(page.HasLine(R"(<table width="572" border="1" cellspacing="0" cellpadding="5" align="center">)"));
    EXPECT_EQ(page.Count(kPasswordCell), 0u);
    EXPECT_FALSE(page.HasLine("PW1"));
    EXPECT_TRUE(page.HasLine(R"(<a href="MAILTO:new@pool.test">new@pool.test</a>)") && page.HasLine("<b>PENDING</b>"));
    EXPECT_EQ(pool.Users().size(), 5u);
}
