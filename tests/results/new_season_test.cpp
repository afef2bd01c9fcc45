// A season played to its end, its files moved into a folder of the pool
// named for it, and the next season played in the pool's own folder.
#include <gtest/gtest.h>
#include <sys/time.h>

#include <ctime>
#include <filesystem>

#include "results/season_play.h"

namespace {

const std::string kSeason2 = kWeek1 + "WEEK2\r\nBeta at Gamma\r\n";
const std::string kEntry = MenuEntry("NEWSEASON", "Start A New Season");

std::string ThisYear() {
    time_t now = time(nullptr);
    struct tm tm {};
    localtime_r(&now, &tm);
    return std::to_string(tm.tm_year + 1900);
}

// The files of a folder of the pool with their bytes.
std::map<std::string, std::string> FolderFiles(const Pool& pool, const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(pool.PathOf(folder)))
        files[entry.path().filename()] = pool.Read(folder + "/" + entry.path().filename().string());
    return files;
}

struct NewSeason : ::testing::Test {
    Pool pool;
    NewSeason() {
        pool.Write("zrp.cfg", kSeason2);
        pool.Join(kBoss, "pw", "Big Boss");
        pool.Join(kAnn, "pw", "Ann Lee");
    }
    void PlayPeriod(const std::string& annPicks, const std::string& winners) const {
        PlayPick(pool, kAnn, "USERPICS1", annPicks, "30");
        PlayPick(pool, kBoss, "USERPICS1", winners, "20");
        PlayPick(pool, kBoss, "ENTERWINNERS2", winners, "35");
    }
    CgiAnswer Boss(const std::string& action, const Fields& extra = {}) const {
        return pool.Act(action, kBoss, "pw", extra);
    }
};

TEST_F(NewSeason, MovesTheEndedSeasonIntoItsFolderKeepsThePlayersAndStartsAtPeriodOne) {
    // Before the end the menu offers no new season, and none is started.
    PlayPeriod("010", "011");
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
    for (const std::string& line :
         Lines{"The 15 files of the season that ended move into the folder " + folder + "/ of the pool: the week file, "
               "the standings and their .bak copies, the picks, winning picks, teams and standings of every period, "
               "the lock-out date and what undoes the last scoring.<br>",
               "The players and their statuses stay, and so do the comments, the activity log and the game data "
               "file.<br>",
               "The new season starts at Period 1 of the game data file as the editor shows it (Periods 1 to 2).<br>",
               "The pages cannot move the files back.<br>"})
        EXPECT_TRUE(confirmation.HasLine(line)) << line;

    std::vector<std::string> moved = {"ZRPOverAllWinners.dat", "ZRPOverAllWinners.dat.bak", "ZRP__LockDateTime.txt",
                                      "ZRP__undo.dat",         "ZRPpicks1W_.dat",           "ZRPpicks1_.dat",
                                      "ZRPpicks2W_.dat",       "ZRPpicks2_.dat",            "ZRPteams1_.dat",
                                      "ZRPteams2_.dat",        "ZRPweek.dat",               "ZRPwinners1_.dat",
                                      "ZRPwinners1_.dat.bak",  "ZRPwinners2_.dat",          "ZRPwinners2_.dat.bak"};
    auto ended = pool.DataFiles(), season = ended, kept = ended;
    std::erase_if(season, [&](const auto& file) { return std::ranges::count(moved, file.first) == 0; });
    std::erase_if(kept, [&](const auto& file) { return std::ranges::count(moved, file.first) > 0; });
    ASSERT_EQ(season.size(), moved.size());
    CgiAnswer started = pool.Post(FormFields(confirmation, "NEWSEASONFINAL"));
    EXPECT_TRUE(started.HasLine("<!-- AdminMainMenu -->"));
    EXPECT_TRUE(started.HasLine(
        Notice("A New Season Has Started At Period 1 - Last Season Is In The Folder " + folder + "!")));
    EXPECT_FALSE(started.HasLine(kEntry));
    EXPECT_EQ(FolderFiles(pool, folder), season);
    kept["ZRPweek.dat"] = "1\r\n1\r\n2\r\n";
    EXPECT_EQ(pool.DataFiles(), kept);
    EXPECT_NE(pool.Read("zrp.log").find(", Action=NEWSEASONFINAL "), std::string::npos);

    // The confirmation sent again changes nothing.
    EXPECT_TRUE(pool.Post(FormFields(confirmation, "NEWSEASONFINAL"))
                    .HasLine(Notice("A New Season Has Already Been Started - Nothing Was Changed!")));
    EXPECT_EQ(pool.DataFiles(), kept);

    // The players play the new season's first period in the pool's folder.
    EXPECT_TRUE(pool.Login(kAnn, "pw").HasLine("          <b>This Weeks Game</b><br>"));
    PlayPeriod("110", "110");
    EXPECT_EQ(pool.Read("ZRPwinners1_.dat"), "ANN LEE\r\n4\r\n0\r\nBIG BOSS\r\n3\r\n0\r\n");
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "2\r\n1\r\n2\r\n");
    EXPECT_EQ(FolderFiles(pool, folder), season);
}

// The folder is named for the year the season began (its oldest file), and
// a folder that holds anything is never written into.
TEST_F(NewSeason, NamesTheFolderForTheYearTheSeasonBeganAndNeverWritesIntoAFullOne) {
    pool.Write("zrp.cfg", "Preamble only\r\n");
    pool.Write("ZRPweek.dat", "3\r\n1\r\n2\r\n");
    EXPECT_TRUE(Boss("NEWSEASON").HasLine(Notice("The Game Data File Has No Periods - Nothing Was Changed!")));
    pool.Write("zrp.cfg", kSeason2);
    pool.Write("ZRPpicks1_.dat", "ANN LEE\r\n010\r\n30\r\n");
    timeval september2019[2] = {{1568289600, 0}, {1568289600, 0}};
    ASSERT_EQ(utimes(pool.PathOf("ZRPpicks1_.dat").c_str(), september2019), 0);
    std::filesystem::create_directory(pool.PathOf("season-2019"));
    pool.Write("season-2019/ZRPweek.dat", "18\r\n1\r\n17\r\n");
    pool.Write("season-2019-2", "a file of that name");
    // Left by a start that was killed before it took effect.
    std::filesystem::create_directory(pool.PathOf("season-2019-3"));

    CgiAnswer confirmation = Boss("NEWSEASON");
    EXPECT_TRUE(confirmation.HasLine(
        "The 2 files of the season that ended move into the folder season-2019-3/ of the pool: the week file, the "
        "standings and their .bak copies, the picks, winning picks, teams and standings of every period, the "
        "lock-out date and what undoes the last scoring.<br>"));
    pool.Post(FormFields(confirmation, "NEWSEASONFINAL"));
    EXPECT_EQ(FolderFiles(pool, "season-2019-3"),
              (std::map<std::string, std::string>{{"ZRPpicks1_.dat", "ANN LEE\r\n010\r\n30\r\n"},
                                                  {"ZRPweek.dat", "3\r\n1\r\n2\r\n"}}));
    EXPECT_EQ(FolderFiles(pool, "season-2019"),
              (std::map<std::string, std::string>{{"ZRPweek.dat", "18\r\n1\r\n17\r\n"}}));
    EXPECT_EQ(pool.Read("season-2019-2"), "a file of that name");
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "1\r\n1\r\n2\r\n");
}

}  // namespace
