#include <gtest/gtest.h>

#include "users/users_fixture.h"

namespace {

const std::string kMenuFont = "<font face=" + kFace + " size=\"2\" color=\"#000099\">";

std::vector<std::string> Entry(const std::string& action, const std::string& text, bool checked = false) {
    return {"          <INPUT TYPE=\"RADIO\" NAME=\"ACTION\" VALUE=\"" + action + "\"" + (checked ? " checked>" : ">"),
            "          <b>" + text + "</b><br>"};
}

std::vector<std::string> NotAvailable(const std::string& opening, const std::string& text) {
    return {opening + kFace + " color=\"#CCCCCC\" size=\"2\">.</font>",
            "<font face=" + kFace + " color=\"#000099\" size=\"2\">", "<i>" + text + "</i><br>"};
}

const std::vector<std::string> kGameOpen = Entry("THISWEEK", "This Weeks Game", true);
const std::vector<std::string> kNoLastWeek = NotAvailable("</font><font face=", "X Last Weeks Results - Not Available");

// The entries of the menu's table, from its font to the first closing one.
std::vector<std::string> Entries(const std::vector<std::string>& game, const std::vector<std::string>& lastWeek) {
    std::vector<std::string> lines = {kMenuFont};
    Append(lines, game);
    Append(lines, lastWeek);
    for (auto [action, text] : {std::pair{"SCOREBOARD", "Scoreboard"},
                                {"VIEWPLAYERS", "View Other Players"},
                                {"POSTCOMMENTS", "Post Comments"},
                                {"VIEWCOMMENTS", "Read Comments"}})
        Append(lines, Entry(action, text));
    lines.push_back("          </font>");
    return lines;
}

std::vector<std::string> MenuOf(const SeasonPool& season) {
    return season.pool.Login("one@x.com", "pw1").Between(kMenuFont, "          </font>");
}

TEST(MainMenu, AdministratorsWholeMenuInAnOpenFirstPeriod) {
    SeasonPool season;
    std::vector<std::string> page = {"<!-- MainMenu -->",
                                     "<center>",
                                     "<font face=" + kFace + " size=\"3\">",
                                     kTitle,
                                     "Welcome! BIG BOSS<br>",
                                     "</font></b></p>",
                                     "  <b>",
                                     kForm};
    Append(page, Credentials("boss@x.com", "BOSSPW"));
    Append(page, {"<TABLE BGCOLOR=\"#CCCCCC\" BORDER=\"3\" CELLPADDING=\"2\" CELLSPACING=\"0\" WIDTH=\"350\" "
                  "ALIGN=\"CENTER\">",
                  "      <tr>", "        <TD VALIGN=TOP ALIGN=LEFT>"});
    Append(page, Entries(kGameOpen, kNoLastWeek));
    page.push_back("<br><hr>");
    Append(page, Entry("ADMIN", "Administrative Access"));
    Append(page, {"          </font>", "<hr>", "        <center><br>", "          <font face=" + kFace + ">",
                  "<INPUT TYPE=\"image\" SRC=\"ZRPFsubmit.gif\" ALT=\"Submit\">",
                  "<br><br><a href=\"http://pool.test/cgi-bin/zrp.exe\">Exit Zarn Pool</a><br>", "          </font>",
                  "        </center>", "      </td>", "      </tr>", "    </table>", "    <br>", "</FORM>", "<br>"});
    EXPECT_EQ(Content(season.pool.Login("boss@x.com", "bosspw")), page);
}

TEST(MainMenu, OrdinaryPlayerHasNoAdministratorEntry) {
    SeasonPool season;
    CgiAnswer menu = season.pool.Login("one@x.com", "pw1");
    EXPECT_EQ(menu.Between(kMenuFont, "          </font>"), Entries(kGameOpen, kNoLastWeek));
    EXPECT_FALSE(menu.HasLine("<br><hr>"));
    EXPECT_EQ(menu.Hidden("ACTION"), "");
}

TEST(MainMenu, GameEntryFollowsLockPicksAndTheEndOfThePool) {
    SeasonPool season;
    season.pool.Write("ZRP__LockDateTime.txt", "01\r\n02\r\n2003\r\n04\r\n05\r\n");
    EXPECT_EQ(MenuOf(season),
              Entries(NotAvailable("<font face=", "X Team Selection  - Not Available - Game Locked"), kNoLastWeek));

    // Saved picks are offered for viewing, locked or not; the name is
    // matched whatever its case.
    season.pool.Write("ZRPpicks1_.dat", "SOMEONE\r\n00\r\n10\r\nPlayer One\r\n01\r\n21\r\n");
    EXPECT_EQ(MenuOf(season), Entries(Entry("VIEWUSERPICKS", "Team Selection Completed - View", true), kNoLastWeek));

    season.pool.Write("ZRPweek.dat", "3\r\n1\r\n2\r\n");
    season.pool.Write("ZRPpicks3_.dat", "PLAYER ONE\r\n01\r\n21\r\n");
    season.pool.Write("ZRPpicks2_.dat", "PLAYER ONE\r\n01\r\n21\r\n");
    EXPECT_EQ(MenuOf(season), Entries(NotAvailable("<font face=", "Pool Ended - Team Selection Not Available"),
                                      Entry("LASTWEEK", "Last Weeks Results")));
}

TEST(MainMenu, LastPeriodsResultsOnlyWhenItsPicksFileExists) {
    SeasonPool season;
    season.pool.Write("ZRPweek.dat", "2\r\n1\r\n2\r\n");
    EXPECT_EQ(MenuOf(season), Entries(kGameOpen, kNoLastWeek));
    season.pool.Write("ZRPpicks1_.dat", "SOMEONE\r\n00\r\n10\r\n");
    EXPECT_EQ(MenuOf(season), Entries(kGameOpen, Entry("LASTWEEK", "Last Weeks Results")));
}

TEST(MainMenu, ReachedThroughTheRealNameFormCarriesThatAction) {
    SeasonPool season;
    EXPECT_EQ(season.pool.Act("LOGINAPPROVE", "one@x.com", "pw1").Hidden("ACTION"), "LOGINAPPROVE");
}

}  // namespace
