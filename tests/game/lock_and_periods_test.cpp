#include <gtest/gtest.h>
#include <time.h>

#include "core/file_batch.h"
#include "game/lock_date.h"
#include "game/periods.h"
#include "game/sheet_expect.h"
#include "support/admin_pool.h"
#include "support/run_folder.h"

TEST(GameLockDate, OpenDuringTheLockMinuteAndLockedAfterIt) {
    RunFolder folder;
    for (auto [offset, locked] : {std::pair{-60, true}, {86400, false}, {0, false}}) {
        time_t at = time(nullptr) + offset;
        folder.Write("ZRP__LockDateTime.txt", LockFileOf(at));
        // Unless the minute turned meanwhile.
        EXPECT_TRUE(IsGameLocked() == locked || (offset == 0 && time(nullptr) / 60 != at / 60)) << offset;
    }
}

// The lock-out date page sent back unchanged keeps the stored date, however far off.
TEST(LockDatePage, TheStoredDateIsSelectedAndKept) {
    AdminPool pool;
    for (const std::string& kept : {LockFileOf(time(nullptr) + 400 * 86400), LockFileOf(time(nullptr) - 800 * 86400)}) {
        pool.Write("ZRP__LockDateTime.txt", kept);
        EXPECT_TRUE(pool.Post(FormFields(pool.Admin("LOCKOUTDATE"), "SETLOCKDATE")).HasLine("<!-- AdminMainMenu -->"));
        EXPECT_EQ(pool.Read("ZRP__LockDateTime.txt"), kept);
    }
}

TEST(GamePeriods, WeekFileAndGameLines) {
    RunFolder folder;
    std::string season, weekFile;
    for (int week = 1; week <= 18; ++week) season += "WEEK" + std::to_string(week) + "\r\nAlpha at Beta\r\n";
    folder.Write("zrp.cfg", season);
    // No week file yet; one from before a period was added; one made before the
    // game data file, which starts at its first period whether the editor saves
    // it or a run finds it.
    for (auto [before, editor, current] : {std::tuple{"", false, "1"},
                                           {"5\r\n1\r\n17\r\n", true, "5"},
                                           {"\r\n\r\n\r\n", true, "1"}}) {
        if (*before) folder.Write("ZRPweek.dat", before);
        FileBatch batch;
        editor ? RefreshWeekFile(batch) : LoadWeekFile(weekFile);
        batch.Commit();
        EXPECT_EQ(folder.Read("ZRPweek.dat"), current + std::string("\r\n1\r\n18\r\n")) << before;
    }

    // A header with a blank counts for the scan but opens no sheet.
    folder.Write("zrp.cfg", "Season\r\nWEEK1\r\n  Alpha at Beta \r\n\r\nGamma at Delta\r\nWEEK 3\r\nEta at Theta\r\n");
    std::string first, last;
    GetBeginandEndWeekOfDataFile(first, last);
    EXPECT_EQ(first + "/" + last, "1/3");
    EXPECT_EQ(PeriodGameLines("1"), (std::vector<std::string>{"Alpha,Beta", "Gamma,Delta"}));
    EXPECT_TRUE(PeriodGameLines("3").empty());
    // The games follow the first line that holds the header; a header that
    // would take in a line's closing carriage return is not held by that line.
    folder.Write("zrp.cfg", "WEEK1\r\nA at B\r\nx WEEK1\rX\r\nC at D\r\nWEEK2\r\nE at F\r\nWEEK3");
    EXPECT_EQ(PeriodGameLines("1"), (std::vector<std::string>{"A,B"}));
    EXPECT_EQ(PeriodGameLines("1\r"), (std::vector<std::string>{"C,D"}));
    EXPECT_EQ(PeriodGameLines("2"), (std::vector<std::string>{"E,F"}));
    EXPECT_TRUE(PeriodGameLines("3").empty() && PeriodGameLines("4").empty());
}
