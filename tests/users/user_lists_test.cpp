#include <gtest/gtest.h>

#include "users/users_pool.h"

// The password column is shown only in the administrator's database, which
// then drops the deleted records and those without an "@".
TEST(UserLists, DatabaseShowsPasswordsAndThenCompactsThePlayersListNeither) {
    const std::string passwordCell = "    <td width=\"111\"><div align=\"center\"><font face=" + kFace + " size=\"1\">";
    const Lines shared = {R"(<a href="MAILTO:ann@pool.test">ann@pool.test</a>)", "NO AT", "<br>" + kStamp,
                          R"(  <tr bgcolor="#CCCCCC">)", "<b>PENDING</b>"};
    for (bool database : {true, false}) {
        AdminPool pool;
        pool.WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "ANN@POOL.TEST/ANN LEE/PW1/USER", "NOAT/NO AT/PW2/USER",
                         "DEL@POOL.TEST/DEAD MAN/PW3/DELETE", "NEW@POOL.TEST/NINA NEW/PW4/PENDING"});
        CgiAnswer page = database ? pool.Admin("VIEWUSERS") : pool.Act(" viewPlayers ", "ann@pool.test", "pw1");
        EXPECT_EQ(Missing(page, shared), Lines{}) << database;
        EXPECT_EQ(page.HasLine(passwordCell) && page.HasLine("PW1"), database);
        EXPECT_FALSE(page.HasLine("DEAD MAN"));
        Lines live = {"BOSS@POOL.TEST/ADMINISTRATOR", "ANN@POOL.TEST/USER", "NEW@POOL.TEST/PENDING"};
        if (!database) live = {live[0], live[1], "NOAT/USER", "DEL@POOL.TEST/DELETE", live[2]};
        EXPECT_EQ(pool.Users(), live);
    }
}
