#include <gtest/gtest.h>

#include <map>

#include "game/menu_top.h"
#include "html/page_frame.h"
#include "support/run_folder.h"

static const std::string kFont = R"(face="Verdana, Arial, Helvetica, sans-serif")";

static std::string HelpAnchor(const std::string& page) {
    return "        <a href=\"http://pool.test/zrphelp/" + page +
           "\" onClick=\"NewWindow(this.href,'name','500','500','yes');return false;\">";
}

TEST(PageFrame, BannerShowsPlayerAdministratorPeriodAndLockOut) {
    struct Case {
        bool login;  // the login page (no action, no player) of an ended pool; else Ann's page of period 5
        std::string lockDate;
        std::map<size_t, std::string> lines;  // by their number after the page header
    } cases[] = {
        {false, "",
         {{5, R"(      <font color="#FF0000"><i>Lock Out Date Has Not Been Set!</i></font></font><br>)"},
          {7, "      : Ann Smith</font></td>"},
          {14, R"(        <a href="MAILTO:boss@x.test"><font )" + kFont + R"( size="2">BOSS)"},
          {20, "       5 of 17"},
          {29, HelpAnchor("makeselections1.html")}}},
        {false, "12\r\n31\r\n2999\r\n23\r\n59\r\n",
         {{5, R"(      <font color="#FF0000">Lock Out Date: 12-31-2999  Time: 23:59</font></font><br>)"}}},
        {true, "01\r\n02\r\n2000\r\n10\r\n05\r\n",
         {{5, R"(      <font color="#FF0000"><b>GAME LOCKED  Date: 01-02-2000  Time: 10:05</b><br>)"},
          {6, "You Will Not Be Able to Make Selections</font></font><br>"},
          {20, "Team File Completed!<br>Pool Ended"},
          {27, HelpAnchor("welcome1.html")}}},
    };
    RunFolder run;
    for (const Case& c : cases) {
        run.Enter();
        ::Run& r = R();
        r.HelpBaseUrl = "http://pool.test/zrphelp/";
        r.Action = c.login ? "" : "THISWEEK";
        r.CurrentUserRealName = c.login ? "" : "Ann Smith";
        r.AdministratorName = "BOSS";
        r.AdministratorEmail = "boss@x.test";
        run.Write("ZRPweek.dat", c.login ? "18\r\n1\r\n17\r\n" : "5\r\n1\r\n17\r\n");
        if (!c.lockDate.empty()) run.Write("ZRP__LockDateTime.txt", c.lockDate);
        MenuTop();
        std::vector<std::string> lines = run.TakeLines();
        lines.erase(lines.begin(), std::find(lines.begin(), lines.end(), "</HEAD>") + 1);
        for (const auto& [at, line] : c.lines) EXPECT_EQ(lines.at(at), line) << at;
        EXPECT_EQ(r.PoolEnded, c.login);
    }
}
