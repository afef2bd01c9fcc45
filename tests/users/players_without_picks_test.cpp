#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

const std::string kEntry = MenuEntry("PLAYERSWITHOUTPICKS", "Players Without Picks");

std::string CountLine(const std::string& count) { return R"(<font color="#CCCCCC">XX</font><b>)" + count + "</b><br>"; }

// One row of the list: the real name, then the address as a mail link.
Lines Row(const std::string& name, const std::string& email) {
    const std::string open = R"(    <td width="210"><div align="center"><font face=)" + kFace + " size=\"1\">";
    return {"  <tr bgcolor=\"#FFFFFF\">", open,     name,
            "</font></div></td>",         open,     "<a href=\"MAILTO:" + email + "\">" + email + "</a>",
            "</font></div></td>",         "  </tr>"};
}

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
    Lines rows = Row("BOB RAY", "bob@pool.test"), eve = Row("EVE O&#39;NEIL", "o&#39;neil+x@pool.test");
    rows.insert(rows.end(), eve.begin(), eve.end());
    rows.push_back("</table>");
    EXPECT_EQ(list.Between(rows[0], "</table>"), rows);
    EXPECT_TRUE(list.HasLine(
        R"(<font face="Verdana, Arial, Helvetica, sans-serif" size="2"><a href="mailto:?bcc=bob@pool.test,)"
        R"(o%27neil%2Bx@pool.test&amp;subject=Zarn%20Pool%3A%20your%20picks%20for%20Period%201%2C%20lock%20out)"
        R"(%2009-12-2030%2013%3A00"><b>Send One E-mail To All Of Them (Bcc)</b></a></font><br>)"));

    // Everybody has picked; then the pool ends and nobody is asked any more.
    pool.Write("ZRPpicks1_.dat", pool.Read("ZRPpicks1_.dat") + "BOB RAY\r\n11\r\n7\r\nEVE O&#39;NEIL\r\n11\r\n7\r\n");
    EXPECT_TRUE(pool.Admin("PLAYERSWITHOUTPICKS").HasLine(BlueNotice("Every player has saved picks for Period 1.")));
    pool.Write("ZRPweek.dat", "3\r\n1\r\n2\r\n");
    CgiAnswer ended = pool.Admin("ADMIN");
    EXPECT_TRUE(ended.HasLine(R"(<font color="#CCCCCC">.</font><i>X Players Without Picks - Not Available</i><br>)"));
    EXPECT_FALSE(ended.HasLine(kEntry));
    EXPECT_TRUE(pool.Admin("PLAYERSWITHOUTPICKS").HasLine(Notice("The pool has ended: no period is open for picks.")));
}

}  // namespace
