#include <gtest/gtest.h>

#include "core/files.h"
#include "results/scoring_folder.h"
#include "support/cgi_pool.h"
#include "users/user_file.h"

// The administrator's "ENTERWINNERSFINAL" request as the web server runs it.
TEST(ScoringRequest, ScoresThePeriodDeletesTheLockOutDateAndOpensTheNextPeriod) {
    Pool pool;
    pool.Write("zrp.cfg", JoinTextLines({"WEEK1", "Dallas at Washington", "Miami at Buffalo", "Denver at Oakland",
                                         "Detroit at Chicago", "WEEK2", "Rams at Jets"}));
    pool.Write("ZRPform_user.dat", EncodeUserRecord(Player("BOSS@POOL", "BOSS", "ADMINISTRATOR")) +
                                       EncodeUserRecord(Player("A@POOL", "ANN")) +
                                       EncodeUserRecord(Player("B@POOL", "BOB")));
    pool.Write("ZRPpicks1_.dat", JoinTextLines({"ANN", "0110", "30", "BOB", "0105", "41"}));
    pool.Write("ZRP__LockDateTime.txt", JoinTextLines({"01-02-2026 12:00"}));

    CgiAnswer answer = pool.Act("ENTERWINNERSFINAL", "boss@pool", "secret",
                                {{"UWP", "0115"}, {"TIEBREAKER", "35"}, {"LINENUMBER", "4"}});
    EXPECT_EQ(answer.Errors, "");
    EXPECT_EQ(answer.ExitStatus, 0);
    EXPECT_EQ(pool.Read("ZRPwinners1_.dat"), JoinTextLines({"ANN", "4", "1", "BOB", "3", "1"}));
    EXPECT_EQ(pool.Read("ZRPOverAllWinners.dat"), JoinTextLines({"ANN", "4", " ", "BOB", "3", " "}));
    EXPECT_EQ(pool.Read("ZRPpicks1W_.dat"), JoinTextLines({"0115", "35"}));
    EXPECT_EQ(pool.Read("ZRPweek.dat"), JoinTextLines({"2", "1", "2"}));
    EXPECT_FALSE(pool.Exists("ZRP__LockDateTime.txt"));
}
