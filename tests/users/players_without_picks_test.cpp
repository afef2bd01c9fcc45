#include <gtest/gtest.h>

#include "core/text.h"
#include "users/users_pool.h"

namespace {

const std::string kEntry = MenuEntry("PLAYERSWITHOUTPICKS", "Players Without Picks");

std::string CountLine(const std::string& count) { return R"(<font color="#CCCCCC">XX</font><b>)" + count + "</b><br>"; }

// Players waiting for approval and deleted ones are not counted, the
// administrator is; a name matches its picks whatever its case. The list
// names who has not picked and writes to all of them at once.
TEST(PlayersWithoutPicks, CountedOnTheMenuAndListedWithOneMailToAll) {
    SeasonPool pool;
    pool.WriteUsers({"BOSS@POOL.TEST/BIG BOSS/SECRET/ADMINISTRATOR", "ANN@POOL.TEST/ANN LEE/PW1/USER",
                     "BOB@POOL.TEST/BOB RAY/PW2/USER", "CY@POOL.TEST/CY WAITS/PW3/PENDING",
                     "DEE@POOL.TEST/DEE GONE/PW4/DELETE", "O&#39;NEIL+X@POOL.TEST/EVE O&#39;NEIL/PW5/USER"});
    pool.Write("ZRPpicks1_.dat", "Ann Lee\r\n01\r\n21\r\nCY WAITS\r\n01\r\n3\r\nDEE GONE\r\n10\r\n4\r\n");
    CgiAnswer menu = pool.Admin("ADMIN");
    EXPECT_EQ(menu.Between(kEntry, CountLine("1 of 4 players has saved their picks for Period 1")).size(), 2u);

    pool.Write("ZRPpicks1_.dat", pool.Read("ZRPpicks1_.dat") + "BIG BOSS\r\n11\r\n7\r\n");
    EXPECT_TRUE(pool.Admin("ADMIN").HasLine(CountLine("2 of 4 players have saved their picks for Period 1")));
    pool.Write("ZRP__LockDateTime.txt", "09\r\n12\r\n2030\r\n13\r\n00\r\n");
    CgiAnswer list = pool.Admin("PLAYERSWITHOUTPICKS");
    EXPECT_TRUE(list.HasLine("<br><i><b>Players Without Picks for Period 1</b></i><br><br>"));
    EXPECT_TRUE(list.HasLine("EVE O&#39;NEIL") && !list.HasLine("ANN LEE") && !list.HasLine("CY WAITS"));
    EXPECT_TRUE(Contains(list.Bytes, R"(<a href="mailto:?bcc=bob@pool.test,o%27neil%2Bx@pool.test&amp;subject=)"
                                     R"(Zarn%20Pool%3A%20your%20picks%20for%20Period%201%2C%20lock%20out%2009)"));

    // Everybody has picked; then the pool ends and nobody is asked any more.
    pool.Write("ZRPpicks1_.dat", pool.Read("ZRPpicks1_.dat") + "BOB RAY\r\n11\r\n7\r\nEVE O&#39;NEIL\r\n11\r\n7\r\n");
    EXPECT_TRUE(pool.Admin("PLAYERSWITHOUTPICKS").HasLine(BlueNotice("Every player has saved picks for Period 1.")));
    pool.Write("ZRPweek.dat", "3\r\n1\r\n2\r\n");
    EXPECT_TRUE(pool.Admin("PLAYERSWITHOUTPICKS").HasLine(Notice("The pool has ended: no period is open for picks.")));
}

}  // namespace
