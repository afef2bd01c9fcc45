#include <gtest/gtest.h>
#include <time.h>

#include "game/lock_date.h"
#include "game/periods.h"
#include "support/run_folder.h"

TEST(GameLockDate, OpenDuringTheLockMinuteAndLockedAfterIt) {
    RunFolder folder;
    // Writes the lock-out date file for the local minute of t and tests it.
    auto lockedAt = [&](time_t t) {
        tm local{};
        localtime_r(&t, &local);
        char text[64];
        strftime(text, sizeof text, "%m\r\n%d\r\n%Y\r\n%H\r\n%M\r\n", &local);
        folder.Write("ZRP__LockDateTime.txt", text);
        return IsGameLocked();
    };
    EXPECT_FALSE(IsGameLocked());
    time_t now = time(nullptr);
    EXPECT_TRUE(lockedAt(now - 60));
    EXPECT_FALSE(lockedAt(now + 86400));
    for (int attempt = 0; attempt < 3; ++attempt) {
        time_t before = time(nullptr);
        bool locked = lockedAt(before);
        if (time(nullptr) / 60 != before / 60) continue;  // the minute turned meanwhile
        EXPECT_FALSE(locked);
        break;
    }
}

TEST(GamePeriods, WeekFileStartsAtTheFirstPeriodAndFollowsTheGameData) {
    RunFolder folder;
    std::string season, weekFile;
    for (int week = 1; week <= 17; ++week) season += "WEEK" + std::to_string(week) + "\r\nAlpha at Beta\r\n";
    folder.Write("zrp.cfg", season);
    LoadWeekFile(weekFile);
    EXPECT_EQ(folder.Read("ZRPweek.dat"), "1\r\n1\r\n17\r\n");
    EXPECT_EQ(R().CurrentWeek, "1");
    folder.Write("zrp.cfg", season + "WEEK18\r\nGamma at Delta\r\n");
    folder.Write("ZRPweek.dat", "5\r\n1\r\n17\r\n");
    RefreshWeekFile();
    EXPECT_EQ(folder.Read("ZRPweek.dat"), "5\r\n1\r\n18\r\n");
    // A week file made before the game data file starts at its first period,
    // whether the editor saves it or a run finds it.
    for (void (*recover)() : {+[] { RefreshWeekFile(); }, +[] { std::string path; LoadWeekFile(path); }}) {
        folder.Write("ZRPweek.dat", "\r\n\r\n\r\n");
        recover();
        EXPECT_EQ(folder.Read("ZRPweek.dat"), "1\r\n1\r\n18\r\n");
    }
}

TEST(GamePeriods, AHeaderWithABlankCountsForTheScanButOpensNoSheet) {
    RunFolder folder;
    folder.Write("zrp.cfg", "Season\r\nWEEK1\r\n  Alpha at Beta \r\n\r\nGamma at Delta\r\nWEEK 3\r\nEta at Theta\r\n");
    std::string first, last;
    GetBeginandEndWeekOfDataFile(first, last);
    EXPECT_EQ(first + "/" + last, "1/3");
    EXPECT_EQ(PeriodGameLines("1"), (std::vector<std::string>{"Alpha,Beta", "Gamma,Delta"}));
    EXPECT_TRUE(PeriodGameLines("3").empty());
}

TEST(GamePeriods, LastWeeksNumberIsThePeriodBeforeOrNought) {
    for (auto [current, first, last] : {std::tuple{"1", "1", "0"}, {"5", "1", "4"}, {"3", "4", "0"}}) {
        R().CurrentWeek = current;
        R().FirstWeek = first;
        EXPECT_EQ(LastWeeksNumberIs(), last) << current;
    }
}
