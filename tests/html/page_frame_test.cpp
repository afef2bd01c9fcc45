#include <gtest/gtest.h>

#include "game/menu_top.h"
#include "html/page_frame.h"
#include "support/run_folder.h"

// A lock-out date that has passed ends the pool and says so in the banner.
TEST(PageFrame, APassedLockOutDateEndsThePoolInTheBanner) {
    RunFolder run;
    run.Enter();
    run.Write("ZRPweek.dat", "18\r\n1\r\n17\r\n");
    run.Write("ZRP__LockDateTime.txt", "01\r\n02\r\n2000\r\n10\r\n05\r\n");
    MenuTop();
    std::vector<std::string> lines = run.TakeLines();
    lines.erase(lines.begin(), std::find(lines.begin(), lines.end(), "</HEAD>") + 1);
    EXPECT_EQ(lines.at(5), R"(      <font color="#FF0000"><b>GAME LOCKED  Date: 01-02-2000  Time: 10:05</b><br>)");
    EXPECT_TRUE(R().PoolEnded);
}
