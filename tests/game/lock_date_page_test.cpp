// The lock-out date page sent back unchanged leaves the pool as it was.
#include <gtest/gtest.h>

#include <ctime>

#include "game/sheet_expect.h"
#include "support/admin_pool.h"

namespace {

TEST(LockDatePage, AWeekFromNowOrTheStoredDateIsSelectedAndKept) {
    AdminPool pool;
    time_t before = time(nullptr);
    Fields form = FormFields(pool.Admin("LOCKOUTDATE"), "SETLOCKDATE");
    time_t after = time(nullptr);
    CgiAnswer menu = pool.Post(form);
    std::string stored = pool.Read("ZRP__LockDateTime.txt");
    // Unless the minute turned meanwhile.
    EXPECT_TRUE(stored == LockFileOf(before + 7 * 86400) || stored == LockFileOf(after + 7 * 86400)) << stored;
    EXPECT_FALSE(menu.Bytes.find("GAME LOCKED") != std::string::npos);
    for (const std::string& kept : {LockFileOf(before + 400 * 86400), LockFileOf(before - 800 * 86400)}) {
        pool.Write("ZRP__LockDateTime.txt", kept);
        form = FormFields(pool.Admin("LOCKOUTDATE"), "SETLOCKDATE");
        EXPECT_EQ(form.size(), 10u);
        EXPECT_TRUE(pool.Post(form).HasLine("<!-- AdminMainMenu -->"));
        EXPECT_EQ(pool.Read("ZRP__LockDateTime.txt"), kept);
    }
}

}  // namespace
