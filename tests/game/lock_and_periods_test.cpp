#include <time.h>

#include <cstdio>

#include "game/lock_date.h"
#include "game/periods.h"
#include "game/unit_folder.h"

namespace {

class GameLockDate : public GameUnitFolder {
protected:
    // Writes the lock-out date file for the local minute of t and tests it.
    bool LockedAt(time_t t) {
        tm local{};
        localtime_r(&t, &local);
        char text[64];
        snprintf(text, sizeof text, "%02d\r\n%02d\r\n%04d\r\n%02d\r\n%02d\r\n", local.tm_mon + 1, local.tm_mday,
                 local.tm_year + 1900, local.tm_hour, local.tm_min);
        Write("ZRP__LockDateTime.txt", text);
        return IsGameLocked();
    }
};

TEST_F(GameLockDate, OpenDuringTheLockMinuteAndLockedAfterIt) {
    EXPECT_FALSE(IsGameLocked());
    time_t now = time(nullptr);
    EXPECT_TRUE(LockedAt(now - 60));
    EXPECT_TRUE(LockedAt(now - 86400));
    EXPECT_FALSE(LockedAt(now + 86400));
    for (int attempt = 0; attempt < 3; ++attempt) {
        time_t before = time(nullptr);
        bool locked = LockedAt(before);
        if (time(nullptr) / 60 != before / 60) continue;  // the minute turned meanwhile
        EXPECT_FALSE(locked);
        break;
    }
}

using GamePeriods = GameUnitFolder;

TEST_F(GamePeriods, WeekFileStartsAtTheFirstPeriod) {
    std::string season;
    for (int week = 1; week <= 17; ++week) season += "WEEK" + std::to_string(week) + "\r\nAlpha at Beta\r\n";
    Write("zrp.cfg", season);
    std::string weekFile;
    LoadWeekFile(weekFile);
    EXPECT_EQ(weekFile, folder + "/ZRPweek.dat");
    EXPECT_EQ(Read("ZRPweek.dat"), "1\r\n1\r\n17\r\n");
    EXPECT_EQ(R().CurrentWeek, "1");
    Write("zrp.cfg", season + "WEEK18\r\nGamma at Delta\r\n");
    Write("ZRPweek.dat", "5\r\n1\r\n17\r\n");
    RefreshWeekFile();
    EXPECT_EQ(Read("ZRPweek.dat"), "5\r\n1\r\n18\r\n");
    // A week file made before the season was loaded starts at its first
    // period, whether the file is saved by the editor or copied in.
    Write("ZRPweek.dat", "\r\n\r\n\r\n");
    RefreshWeekFile();
    EXPECT_EQ(Read("ZRPweek.dat"), "1\r\n1\r\n18\r\n");
    Write("ZRPweek.dat", "\r\n\r\n\r\n");
    LoadWeekFile(weekFile);
    EXPECT_EQ(Read("ZRPweek.dat"), "1\r\n1\r\n18\r\n");
    EXPECT_EQ(R().CurrentWeek, "1");
}

TEST_F(GamePeriods, HeaderWithABlankCountsForTheScanButOpensNoSheet) {
    Write("zrp.cfg", "Season\r\nWEEK1\r\n  Alpha at Beta \r\n\r\nGamma at Delta\r\nWEEK 3\r\nEta at Theta\r\n");
    std::string first, last;
    GetBeginandEndWeekOfDataFile(first, last);
    EXPECT_EQ(first + "/" + last, "1/3");
    EXPECT_EQ(PeriodGameLines("1"), (std::vector<std::string>{"Alpha,Beta", "Gamma,Delta"}));
    EXPECT_TRUE(PeriodGameLines("3").empty());
}

TEST_F(GamePeriods, LastWeeksNumber) {
    auto lastOf = [](const char* current, const char* first) {
        R().CurrentWeek = current;
        R().FirstWeek = first;
        return LastWeeksNumberIs();
    };
    EXPECT_EQ(lastOf("1", "1"), "0");
    EXPECT_EQ(lastOf("5", "1"), "4");
    EXPECT_EQ(lastOf("3", "4"), "0");
}

}  // namespace
