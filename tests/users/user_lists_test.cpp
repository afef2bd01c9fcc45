#include <gtest/gtest.h>
#include <sys/stat.h>

#include "users/users_pool.h"

// The password column is shown only in the administrator's database, which
// then drops the deleted records and those without an "@".
TEST(UserLists, DatabaseShowsPasswordsAndThenCompactsThePlayersListNeither) {
    const std::string passwordCell = "    <td width=\"111\"><div align=\"center\"><font face=" + kFace + " size=\"1\">";
    const Lines shared = {R"(<a href="MAILTO:ann@pool.test">ann@pool.test</a>)", "NO AT", "<br>" + kStamp,
                          R"(  <tr bgcolor="#CCCCCC">)", "<b>PENDING</b>"};
    for (bool database : {true, false}) {
        AdminPool pool;
        pool.WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "ANN@POOL.TEST/ANN LEE/PW1/USER",
                         "NOAT/NO AT/PW2/USER", "DEL@X/DEAD MAN/PW3/DELETE", "NEW@X/NINA NEW/PW4/PENDING"});
        CgiAnswer page = database ? pool.Admin("VIEWUSERS") : pool.Act(" viewPlayers ", kAnn, "pw1");
        EXPECT_EQ(Missing(page, shared), Lines{}) << database;
        EXPECT_EQ(page.HasLine(passwordCell) && page.HasLine("PW1"), database);
        EXPECT_FALSE(page.HasLine("DEAD MAN"));
        EXPECT_EQ(pool.Users().size(), database ? 3u : 5u);
    }
}

// Viewing the database when nothing is to be dropped leaves the user file
// itself alone (the same file, not a rewritten copy); a torn record at its
// end is still cut off.
TEST(UserLists, DatabaseRewritesTheUserFileOnlyWhenCompactionChangesIt) {
    AdminPool pool;
    pool.WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "ANN@POOL.TEST/ANN LEE/PW1/USER"});
    std::string path = pool.PathOf("ZRPform_user.dat"), bytes = pool.Read("ZRPform_user.dat");
    struct stat before {}, after {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    EXPECT_TRUE(pool.Admin("VIEWUSERS").HasLine("ANN LEE"));
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(pool.Read("ZRPform_user.dat"), bytes);
    pool.Write("ZRPform_user.dat", bytes + "TORN");
    pool.Admin("VIEWUSERS");
    EXPECT_EQ(pool.Read("ZRPform_user.dat"), bytes);
}
