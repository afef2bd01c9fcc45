// Changes that must take effect whole: the journal a dead run left, work
// files, and appends cut short by a file size limit.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "core/file_batch.h"
#include "core/files.h"
#include "support/admin_pool.h"
#include "support/failure_of.h"
#include "support/run_folder.h"

namespace {

const std::string kSeason = "WEEK1\r\nAlpha at Beta\r\nGamma at Delta\r\nWEEK2\r\nEta at Theta\r\n";


}  // namespace

TEST(AllOrNothing, AFailedScoringRunChangesNoFileAndADeadRunsWorkIsFinished) {
    AdminPool scored;
    scored.Write("zrp.cfg", kSeason);
    scored.Write("ZRP__LockDateTime.txt", "01\r\n01\r\n2001\r\n00\r\n00\r\n");
    // A season total cut short: the run fails when it sorts it, after the
    // teams and the winning picks were archived.
    scored.Write("ZRPOverAllWinners.dat", "BIG BOSS\r\n4\r\n");
    scored.Admin("ADMIN");
    auto before = scored.DataFiles();
    CgiAnswer failed = scored.Admin("ENTERWINNERSFINAL", {{"UWP", "01"}, {"TIEBREAKER", "35"}});
    EXPECT_TRUE(failed.HasLine("<PRE>Input past end of file Error Number =  62</PRE>"));
    EXPECT_EQ(scored.DataFiles(), before);

    // A request finishes what a dead run left and removes its work files.
    Pool pool;
    pool.Write("zrp.cfg", kSeason);
    pool.Write("ZRPweek.dat", "1\r\n1\r\n2\r\n");
    pool.Write("ZRPweek.dat.new", "2\r\n1\r\n2\r\n");
    pool.Write("ZRPwinners1_.dat.new", "ANN\r\n2\r\n0\r\n");
    pool.Write("ZRP__LockDateTime.txt", "01\r\n01\r\n2001\r\n00\r\n00\r\n");
    // Killed after its first rename: the teams file is new already.
    pool.Write("ZRPteams1_.dat", "Alpha,Beta\r\nGamma,Delta\r\n");
    pool.Write("ZRP__journal.txt",
               "replace ZRPteams1_.dat\r\nreplace ZRPweek.dat\r\nreplace ZRPwinners1_.dat\r\n"
               "delete ZRP__LockDateTime.txt\r\n");
    // Work files of runs killed outside a journal, and files that are no
    // work files of this pool.
    for (const char* name : {"ZRPform_user.ddd", "ZRP43200.tmp", "ZRPOverAllWinners.dat.new", "zrp.cfg.new",
                             "ZRP__journal.txt.new", "notes.new", "zrp.exe.new", "OTHERweek.dat.new"})
        pool.Write(name, "left");
    CgiAnswer answer = pool.Get();
    EXPECT_FALSE(answer.IsErrorPage());
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "2\r\n1\r\n2\r\n");
    EXPECT_EQ(pool.Read("ZRPwinners1_.dat"), "ANN\r\n2\r\n0\r\n");
    EXPECT_EQ(pool.Read("ZRPteams1_.dat"), "Alpha,Beta\r\nGamma,Delta\r\n");
    std::vector<std::string> files = pool.Files();
    std::erase_if(files, [](const std::string& name) { return name.ends_with(".gif"); });
    EXPECT_EQ(files, (std::vector<std::string>{"OTHERweek.dat.new", "ZRPteams1_.dat", "ZRPweek.dat",
                                               "ZRPwinners1_.dat", "notes.new", "zrp.cfg", "zrp.exe", "zrp.exe.new",
                                               "zrp.log"}));
}

// Moves into a folder of the pool that a dead run's journal lists are made
// once: a file already in the folder stays, and so does the one made anew
// in the pool's folder under the moved file's name.
TEST(AllOrNothing, AJournalsMovesAreFinishedOnceAndNeverReplaceAFile) {
    Pool pool;
    pool.Write("zrp.cfg", kSeason);
    std::filesystem::create_directory(pool.PathOf("season-2026"));
    // Killed after its first move.
    pool.Write("season-2026/ZRPpicks1_.dat", "ANN\r\n01\r\n7\r\n");
    pool.Write("ZRPweek.dat", "3\r\n1\r\n2\r\n");
    pool.Write("ZRPweek.dat.new", "1\r\n1\r\n2\r\n");
    pool.Write("ZRPteams1_.dat", "Alpha,Beta\r\n");
    const std::string journal = "move season-2026/ZRPpicks1_.dat\r\nmove season-2026/ZRPweek.dat\r\n"
                                "move season-2026/ZRPteams1_.dat\r\nreplace ZRPweek.dat\r\n";
    for (int run = 0; run < 2; ++run) {
        pool.Write("ZRP__journal.txt", journal);
        EXPECT_FALSE(pool.Get().IsErrorPage());
        EXPECT_EQ(pool.Read("season-2026/ZRPpicks1_.dat"), "ANN\r\n01\r\n7\r\n");
        EXPECT_EQ(pool.Read("season-2026/ZRPweek.dat"), "3\r\n1\r\n2\r\n");
        EXPECT_EQ(pool.Read("season-2026/ZRPteams1_.dat"), "Alpha,Beta\r\n");
        EXPECT_EQ(pool.Read("ZRPweek.dat"), "1\r\n1\r\n2\r\n");
        EXPECT_FALSE(pool.Exists("ZRPteams1_.dat"));
        EXPECT_FALSE(pool.Exists("ZRP__journal.txt"));
    }
}

// A POSIX shell's "ulimit -f" counts blocks of 512 bytes: 4 allow 2048 bytes.
TEST(AppendCutShort, LeavesTheFileAsItWasAndEndsInTheErrorPage) {
    AdminPool pool;
    pool.Write("zrp.cfg", kSeason);
    pool.ShellSetup = "ulimit -f 4";
    // 17 activity records end 8 bytes before the limit.
    std::string log;
    for (int n = 0; n < 17; ++n) log += pool.Read("zrp.log").substr(0, 120);
    pool.Write("zrp.log", log);
    CgiAnswer refused = pool.Admin("ADMIN");
    EXPECT_TRUE(refused.IsErrorPage());
    EXPECT_EQ(refused.ExitStatus, 0);
    EXPECT_EQ(pool.Read("zrp.log"), log);

    // A picks record that does not fit is not joined to the next one.
    pool.Write("zrp.log", "");
    std::string picks;
    for (int n = 100; picks.size() < 2030; ++n) picks += "PLAYER " + std::to_string(n) + "\r\n01\r\n7\r\n";
    pool.Write("ZRPpicks1_.dat", picks);
    CgiAnswer saved = pool.Admin("USERPICS2", {{"UWP", "01"}, {"TIEBREAKER", "35"}});
    EXPECT_TRUE(saved.IsErrorPage());
    EXPECT_EQ(pool.Read("ZRPpicks1_.dat"), picks);
}

// A failed rewrite or batch leaves no work file and changes nothing; a full disk is named as such.
TEST(WorkFiles, AFailedWriteChangesNothingLeavesNoWorkFileAndIsNamed) {
    RunFolder folder;
    EXPECT_EQ(FailureOf([] { FailFromErrno(ENOSPC, false); }), kDiskFull);
    EXPECT_EQ(FailureDescription(kDiskFull), "Disk full");
    folder.Write("ZRPweek.dat", "1\r\n1\r\n2\r\n");
    // A folder in the way of the rename.
    std::filesystem::create_directory(folder.PathOf("ZRPteams1_.dat"));
    EXPECT_NE(FailureOf([&] { WriteFileAtomic(folder.PathOf("ZRPteams1_.dat"), "Alpha,Beta\r\n"); }), 0);
    EXPECT_FALSE(folder.Exists("ZRPteams1_.dat.new"));

    FileBatch batch;
    batch.Write(folder.PathOf("ZRPweek.dat"), "2\r\n1\r\n2\r\n");
    batch.Write(folder.PathOf("missing/ZRPwinners1_.dat"), "ANN\r\n2\r\n0\r\n");
    EXPECT_EQ(FailureOf([&] { batch.Commit(); }), kPathNotFound);
    EXPECT_EQ(folder.Read("ZRPweek.dat"), "1\r\n1\r\n2\r\n");
    EXPECT_FALSE(folder.Exists("ZRPweek.dat.new"));
    EXPECT_FALSE(folder.Exists("ZRP__journal.txt"));
}
