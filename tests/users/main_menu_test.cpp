#include <gtest/gtest.h>

#include "users/users_pool.h"

namespace {

Lines Entry(const std::string& action, const std::string& text, bool checked = false) {
    return {"          <INPUT TYPE=\"RADIO\" NAME=\"ACTION\" VALUE=\"" + action + "\"" + (checked ? " checked>" : ">"),
            "          <b>" + text + "</b><br>"};
}

Lines NotAvailable(const std::string& opening, const std::string& text) {
    return {opening + kFace + " color=\"#CCCCCC\" size=\"2\">.</font>",
            "<font face=" + kFace + " color=\"#000099\" size=\"2\">", "<i>" + text + "</i><br>"};
}

// The game entry follows the season (the lock-out and last period's results
// are played by the browser season); only the administrator is offered
// administrative access.
TEST(MainMenu, EntriesFollowTheSeasonAndThePlayer) {
    Lines saved = Entry("VIEWUSERPICKS", "Team Selection Completed - View", true);
    Lines ended = NotAvailable("<font face=", "Pool Ended - Team Selection Not Available");
    Lines none = NotAvailable("</font><font face=", "X Last Weeks Results - Not Available");
    const char* picks = "SOMEONE\r\n00\r\n10\r\nAnn Lee\r\n01\r\n21\r\n";  // a name matched whatever its case
    SeasonPool pool;
    for (auto [file, bytes, game] : {std::tuple{"", "", Entry("THISWEEK", "This Weeks Game", true)},
                                     {"ZRPpicks1_.dat", picks, saved}, {"ZRPweek.dat", "3\r\n1\r\n2\r\n", ended}}) {
        if (*file) pool.Write(file, bytes);
        game.insert(game.end(), none.begin(), none.end());
        game.push_back(Entry("SCOREBOARD", "")[0]);
        EXPECT_EQ(pool.Login(kAnn, "pw1").Between(game[0], game.back()), game) << file;
    }
    Lines admin = Entry("ADMIN", "Administrative Access");
    admin = {"<br><hr>", admin[0], admin[1], "          </font>", "<hr>"};
    EXPECT_EQ(pool.Login(kBoss, "secret").Between(admin[0], admin[4]), admin);
    CgiAnswer ann = pool.Login(kAnn, "pw1");
    EXPECT_TRUE(!ann.HasLine(admin[0]) && !ann.HasLine(admin[1]) && ann.Hidden("ACTION").empty());
    // Reached through the real-name form the menu carries that action on.
    EXPECT_EQ(pool.Act("LOGINAPPROVE", kAnn, "pw1").Hidden("ACTION"), "LOGINAPPROVE");
}

}  // namespace
