// A season played to its end as browsers play it, its files moved into a
// folder of the pool named for it, and the next season played in the pool's
// own folder.
#include <gtest/gtest.h>
#include <sys/time.h>

#include <ctime>
#include <filesystem>
#include <regex>
#include <set>

#include "game/sheet_expect.h"

namespace {

const std::string kSeason2 = kWeek1 + "WEEK2\r\nBeta at Gamma\r\n";
const std::string kEntry = MenuEntry("NEWSEASON", "Start A New Season");

std::string ThisYear() {
    time_t now = time(nullptr);
    return std::to_string(localtime(&now)->tm_year + 1900);
}

// The files of a folder of the pool with their bytes.
std::map<std::string, std::string> FolderFiles(const Pool& pool, const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(pool.PathOf(folder)))
        files[entry.path().filename()] = pool.Read(folder + "/" + entry.path().filename().string());
    return files;
}

struct Season : ::testing::Test {
    Pool pool;
    Season() { Open(pool, kSeason2, {{kBoss, "Big Boss"}, {kAnn, "Ann Lee"}}); }
    void PlayPeriod(const std::string& annPicks, const std::string& winners) const {
        auto send = [&](const std::string& action, const std::string& email, const std::string& uwp,
                        const char* guess) {
            Fields form = {{"LINENUMBER", std::to_string(uwp.size())}, {"UWP", uwp}, {"TIEBREAKER", guess}};
            CgiAnswer menu = pool.Act(action, email, "pw", form);
            EXPECT_TRUE(menu.HasLine(action == "USERPICS2" ? "<!-- MainMenu -->" : "<!-- AdminMainMenu -->")) << action;
        };
        send("USERPICS2", kAnn, annPicks, "30");
        send("USERPICS2", kBoss, winners, "20");
        send("ENTERWINNERSFINAL", kBoss, winners, "35");
    }
    CgiAnswer Boss(const std::string& action, const Fields& extra = {}) const {
        return pool.Act(action, kBoss, "pw", extra);
    }
};

TEST_F(Season, ScoredToItsEndThenMovesTheEndedSeasonIntoItsFolderKeepsThePlayersAndStartsAtPeriodOne) {
    // Scoring ends the lock-out. Before the end the menu offers no new season,
    // and none is started.
    pool.Write("ZRP__LockDateTime.txt", "09\r\n10\r\n2099\r\n00\r\n00\r\n");
    PlayPeriod("010", "011");
    EXPECT_EQ(pool.Read("ZRPwinners1_.dat"), "BIG BOSS\r\n3\r\n0\r\nANN LEE\r\n2\r\n1\r\n");
    EXPECT_FALSE(pool.Exists("ZRP__LockDateTime.txt"));
    EXPECT_FALSE(Boss("ADMIN").HasLine(kEntry));
    auto midSeason = pool.DataFiles();
    EXPECT_TRUE(Boss("NEWSEASONFINAL").HasLine(Notice("The Season Has Not Ended - Nothing Was Changed!")));
    EXPECT_EQ(pool.DataFiles(), midSeason);

    PlayPeriod("1", "0");
    pool.Act("ADDCOMMENTS", kAnn, "pw", {{"COMMENTFIELD", "Next year!"}});
    pool.Write("ZRP__LockDateTime.txt", "09\r\n10\r\n2026\r\n00\r\n00\r\n");
    pool.Write("ZRP__undo.dat", "what undoes period 2");
    EXPECT_TRUE(Boss("ADMIN").HasLine(kEntry));
    std::string folder = "season-" + ThisYear();
    CgiAnswer confirmation = Boss("NEWSEASON");
    EXPECT_TRUE(confirmation.HasLine(
        "The new season starts at Period 1 of the game data file as the editor shows it (Periods 1 to 2).<br>"));

    auto season = pool.DataFiles();
    std::map<std::string, std::string> kept;
    for (const char* name : {"zrp.cfg", "ZRPform_user.dat", "ZRP__comments.txt", "ZRP__Registrations.txt"})
        kept[name] = season.at(name), season.erase(name);
    ASSERT_EQ(season.size(), 15u);
    CgiAnswer started = pool.Post(FormFields(confirmation, "NEWSEASONFINAL"));
    EXPECT_TRUE(
        started.HasLine("<!-- AdminMainMenu -->") &&
        started.HasLine(Notice("A New Season Has Started At Period 1 - Last Season Is In The Folder " + folder + "!")));
    EXPECT_FALSE(started.HasLine(kEntry));
    EXPECT_EQ(FolderFiles(pool, folder), season);
    kept["ZRPweek.dat"] = "1\r\n1\r\n2\r\n";
    EXPECT_EQ(pool.DataFiles(), kept);

    // The confirmation sent again changes nothing.
    EXPECT_TRUE(pool.Post(FormFields(confirmation, "NEWSEASONFINAL"))
                    .HasLine(Notice("A New Season Has Already Been Started - Nothing Was Changed!")));
    EXPECT_EQ(pool.DataFiles(), kept);

    // The players play the new season's first period in the pool's folder.
    PlayPeriod("110", "110");
    EXPECT_EQ(pool.Read("ZRPwinners1_.dat"), "ANN LEE\r\n4\r\n0\r\nBIG BOSS\r\n3\r\n0\r\n");
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "2\r\n1\r\n2\r\n");
    EXPECT_EQ(FolderFiles(pool, folder), season);
}

// The actual tie breaker score is checked as the players' guesses are: a
// slip of the keyboard brings the winners' sheet back with the reason and the
// teams still chosen, and sent to the scoring it changes nothing.
TEST_F(Season, AnActualTieBreakerScoreThatIsNoNumberIsRefused) {
    pool.Act("USERPICS2", kAnn, "pw", {{"LINENUMBER", "3"}, {"UWP", "010"}, {"TIEBREAKER", "30"}});
    auto before = pool.DataFiles();
    const std::string line = Notice(
        "The winning teams were not entered: the tie breaker score must be empty or a number of up to 3 digits.");
    CgiAnswer sheet = Boss("ENTERWINNERS2", {{"LINENUMBER", "3"}, {"C1", "0"}, {"C2", "1"}, {"C3", "1"},
                                             {"TIEBREAKER", "4O"}});
    EXPECT_TRUE(sheet.HasLine(line) && sheet.HasLine("<!-- ThisWeeksPicks -->"));
    size_t checked = 0;
    for (size_t at = 0; (at = sheet.Bytes.find(" CHECKED>", at)) != std::string::npos; ++at) ++checked;
    EXPECT_EQ(checked, 3u);
    CgiAnswer menu = Boss("ENTERWINNERSFINAL", {{"LINENUMBER", "3"}, {"UWP", "011"}, {"TIEBREAKER", "4O"},
                                                 {"PERIOD", "1"}});
    EXPECT_TRUE(menu.HasLine(line) && menu.HasLine("<!-- AdminMainMenu -->"));
    EXPECT_EQ(pool.DataFiles(), before);
}

// Once the last period is scored there is no period to score: the winners'
// pages and their confirmation refuse and change nothing, and the last
// scoring can still be undone.
TEST_F(Season, AnEndedSeasonHasNoPeriodToScore) {
    PlayPeriod("010", "011");
    PlayPeriod("1", "0");
    auto ended = pool.DataFiles();
    const Fields winners = {{"LINENUMBER", "1"}, {"UWP", "1"}, {"TIEBREAKER", "10"}, {"PERIOD", "3"}};
    for (const char* action : {"ENTERWINNERS", "ENTERWINNERS2", "ENTERWINNERSFINAL"})
        EXPECT_TRUE(Boss(action, winners).HasLine(Notice("The Season Has Ended - There Is No Period To Score!")))
            << action;
    // The last period's confirmation sent again is told apart.
    EXPECT_TRUE(Boss("ENTERWINNERSFINAL", {{"LINENUMBER", "1"}, {"UWP", "1"}, {"TIEBREAKER", "10"}, {"PERIOD", "2"}})
                    .HasLine(Notice("Period 2 Has Already Been Scored - Nothing Was Changed!")));
    EXPECT_EQ(pool.DataFiles(), ended);
    EXPECT_TRUE(Boss("ADMIN").HasLine(MenuEntry("UNDOSCORING", "Undo Scoring Of Period 2")));
}

// Every entry the administrator's menu offers in a season, its period
// numbers as N, is explained on the help page of that menu.
TEST_F(Season, TheHelpOfTheAdministratorsMenuExplainsEveryEntry) {
    const std::regex entry("name=\"ACTION\" value=\"[A-Z0-9]+\"[^>]*><b>([^<]*)</b>"), number("[0-9]+");
    std::set<std::string> labels;
    auto collect = [&] {
        std::string menu = Boss("ADMIN").Bytes;
        for (std::sregex_iterator it(menu.begin(), menu.end(), entry), end; it != end; ++it)
            labels.insert(std::regex_replace((*it)[1].str(), number, "N"));
    };
    collect();
    PlayPeriod("010", "011");
    collect();
    PlayPeriod("1", "0");
    collect();
    std::string help = pool.Read("zrphelp/adminmenu1.html");
    for (const std::string& label : labels)
        EXPECT_NE(help.find("<b>" + label + "</b>"), std::string::npos) << "[" << label << "]";
    EXPECT_GE(labels.size(), 14u);
}

// The folder is named for the year the season began (its oldest file), and
// a folder that holds anything is never written into.
TEST_F(Season, NamesTheFolderForTheYearTheSeasonBeganAndNeverWritesIntoAFullOne) {
    pool.Write("ZRPweek.dat", "3\r\n1\r\n2\r\n");
    pool.Write("ZRPpicks1_.dat", "ANN LEE\r\n010\r\n30\r\n");
    timeval september2019[2] = {{1568289600, 0}, {1568289600, 0}};
    ASSERT_EQ(utimes(pool.PathOf("ZRPpicks1_.dat").c_str(), september2019), 0);
    std::filesystem::create_directory(pool.PathOf("season-2019"));
    pool.Write("season-2019/ZRPweek.dat", "18\r\n1\r\n17\r\n");
    pool.Write("season-2019-2", "a file of that name");
    // Left by a start that was killed before it took effect.
    std::filesystem::create_directory(pool.PathOf("season-2019-3"));

    pool.Post(FormFields(Boss("NEWSEASON"), "NEWSEASONFINAL"));
    EXPECT_EQ(FolderFiles(pool, "season-2019-3"),
              (std::map<std::string, std::string>{{"ZRPpicks1_.dat", "ANN LEE\r\n010\r\n30\r\n"},
                                                  {"ZRPweek.dat", "3\r\n1\r\n2\r\n"}}));
    EXPECT_EQ(FolderFiles(pool, "season-2019").size(), 1u);
    EXPECT_EQ(pool.Read("season-2019-2"), "a file of that name");
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "1\r\n1\r\n2\r\n");
}

// Before a period is scored the last period is nought without data. The
// scoreboard shows the standings records as stored, whatever their line ends
// and a last line without one (a cut file: see the output tests); names lose
// the blanks around them, the points keep theirs.
TEST_F(Season, NoLastPeriodYetAndTheScoreboardAsStored) {
    CgiAnswer page = pool.Act("LASTWEEK", kAnn, "pw");
    EXPECT_TRUE(page.HasLine("<br><i><b>Results for Period 0</b></i><br><br>"));
    pool.Write("ZRPOverAllWinners.dat", "ANN\n6\n \r\nBOB\r\n\r\n2\r\n  DEE  \n 7 \nx\nCY\n4\n ");
    CgiAnswer board = pool.Act("SCOREBOARD", kAnn, "pw");
    const std::string points = "    <td width=\"100\" align=\"center\"><b>" + kCell;
    EXPECT_TRUE(board.HasLine("    <td><div align=right>" + kCell + "<b>DEE</b></font></div></td>"));
    for (const char* shown : {"6", "", " 7 ", "4"}) EXPECT_EQ(board.Count(points + shown + "</font></b></td>"), 1u) << shown;
}

}  // namespace
