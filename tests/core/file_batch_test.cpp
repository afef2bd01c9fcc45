// Changes that take effect whole: a failed run changes nothing, and a dead
// run's journal is finished and its work files go, nobody else's. (Kills at
// every call and a full disk are the stress runs' part.)
#include <gtest/gtest.h>

#include "support/admin_pool.h"

static const std::string kSeason = "WEEK1\r\nAlpha at Beta\r\nGamma at Delta\r\nWEEK2\r\nEta at Theta\r\n";

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
    for (const char* name : {"ZRPform_user.ddd", "ZRP43200.tmp", "zrp.cfg.new", "notes.new", "OTHERweek.dat.new"})
        pool.Write(name, "left");
    CgiAnswer answer = pool.Get();
    EXPECT_FALSE(answer.IsErrorPage());
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "2\r\n1\r\n2\r\n");
    EXPECT_EQ(pool.Read("ZRPwinners1_.dat"), "ANN\r\n2\r\n0\r\n");
    EXPECT_EQ(pool.Read("ZRPteams1_.dat"), "Alpha,Beta\r\nGamma,Delta\r\n");
    std::vector<std::string> files = pool.Files();
    std::erase_if(files, [](const std::string& name) { return name.ends_with(".gif"); });
    EXPECT_EQ(files, (std::vector<std::string>{"OTHERweek.dat.new", "ZRPteams1_.dat", "ZRPweek.dat",
                                               "ZRPwinners1_.dat", "notes.new", "zrp.cfg", "zrp.exe", "zrp.log"}));
}
