#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

const std::string kMenuFont = "<font face=" + kFace + " size=\"2\" color=\"#000099\">";

Lines Entry(const std::string& action, const std::string& text, bool checked = false) {
    return {"          <INPUT TYPE=\"RADIO\" NAME=\"ACTION\" VALUE=\"" + action + "\"" + (checked ? " checked>" : ">"),
            "          <b>" + text + "</b><br>"};
}

Lines NotAvailable(const std::string& opening, const std::string& text) {
    return {opening + kFace + " color=\"#CCCCCC\" size=\"2\">.</font>",
            "<font face=" + kFace + " color=\"#000099\" size=\"2\">", "<i>" + text + "</i><br>"};
}

TEST(MainMenu, GameAndLastPeriodEntriesFollowTheSeason) {
    Lines open = Entry("THISWEEK", "This Weeks Game", true), saved = Entry("VIEWUSERPICKS", "Team Selection Completed - View", true);
    Lines locked = NotAvailable("<font face=", "X Team Selection  - Not Available - Game Locked");
    Lines ended = NotAvailable("<font face=", "Pool Ended - Team Selection Not Available");
    Lines none = NotAvailable("</font><font face=", "X Last Weeks Results - Not Available");
    Lines results = Entry("LASTWEEK", "Last Weeks Results");
    std::string picks = "SOMEONE\r\n00\r\n10\r\nAnn Lee\r\n01\r\n21\r\n";  // a name matched whatever its case
    struct Step {
        std::string file, bytes;
        Lines game, last;
    };
    SeasonPool pool;
    for (const Step& step : std::vector<Step>{{"", "", open, none},
                                              {"ZRP__LockDateTime.txt", "01\r\n02\r\n2003\r\n04\r\n05\r\n", locked, none},
                                              {"ZRPpicks1_.dat", picks, saved, none},
                                              {"ZRPweek.dat", "2\r\n1\r\n2\r\n", locked, results},
                                              {"ZRPpicks3_.dat", picks, locked, results},
                                              {"ZRPpicks2_.dat", picks, saved, results},
                                              {"ZRPweek.dat", "3\r\n1\r\n2\r\n", ended, results}}) {
        if (!step.file.empty()) pool.Write(step.file, step.bytes);
        Lines expected = {kMenuFont};
        for (const Lines* part : {&step.game, &step.last}) expected.insert(expected.end(), part->begin(), part->end());
        expected.push_back(Entry("SCOREBOARD", "")[0]);
        EXPECT_EQ(pool.Login("ann@pool.test", "pw1").Between(kMenuFont, expected.back()), expected) << step.file;
    }
}

TEST(MainMenu, OnlyTheAdministratorIsOfferedAdministrativeAccess) {
    SeasonPool pool;
    CgiAnswer boss = pool.Login(kBoss, "secret");
    Lines admin = Entry("ADMIN", "Administrative Access");
    EXPECT_EQ(boss.Between("<br><hr>", "<hr>"), (Lines{"<br><hr>", admin[0], admin[1], "          </font>", "<hr>"}));
    EXPECT_EQ(Missing(boss, {"Welcome! BIG BOSS<br>", R"(<INPUT TYPE="image" SRC="http://pool.test/cgi-bin/ZRPFsubmit.gif" ALT="Submit">)",
                             R"(<br><br><a href="http://pool.test/cgi-bin/zrp.exe">Exit Zarn Pool</a><br>)"}),
              Lines{});
    CgiAnswer ann = pool.Login("ann@pool.test", "pw1");
    EXPECT_TRUE(ann.HasLine("Welcome! ANN LEE<br>"));
    EXPECT_FALSE(ann.HasLine("<br><hr>") || ann.HasLine(admin[0]));
    EXPECT_EQ(ann.Hidden("ACTION"), "");
    // Reached through the real-name form the menu carries that action on.
    EXPECT_EQ(pool.Ann("LOGINAPPROVE").Hidden("ACTION"), "LOGINAPPROVE");
}

}  // namespace
