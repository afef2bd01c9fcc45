// A short season played as browsers would play it: three players, two
// periods, the second decided by the tie-breaker.
#include <gtest/gtest.h>

#include "results/season_play.h"

namespace {

struct Season : ::testing::Test {
    Pool pool;
    Season() {
        pool.Write("zrp.cfg", kWeek1 + "WEEK2\r\nBeta at Gamma\r\nDelta at Alpha\r\nZeta at Epsilon\r\n");
        pool.Join(kBoss, "pw", "Big Boss");
        pool.Join(kAnn, "pw", "Ann Lee");
        pool.Join(kBob, "pw", "Bob Ray");
    }
    void Pick(const std::string& email, const std::string& action, const std::string& picks,
              const std::string& guess) const {
        PlayPick(pool, email, action, picks, guess);
    }
};

TEST_F(Season, TwoPeriodsScoredWithATieBrokenByTheGuesses) {
    // Period 1: Ann alone on top, so her guess earns nothing.
    Pick(kAnn, "USERPICS1", "010", "30");
    Pick(kBob, "USERPICS1", "011", "40");
    Pick(kBoss, "USERPICS1", "1 0", "20");
    EXPECT_EQ(pool.Read("ZRPpicks1_.dat"), "ANN LEE\r\n010\r\n30\r\nBOB RAY\r\n011\r\n40\r\nBIG BOSS\r\n150\r\n20\r\n");
    pool.Write("ZRP__LockDateTime.txt", "01\r\n01\r\n2001\r\n00\r\n00\r\n");
    Pick(kBoss, "ENTERWINNERS2", "010", "35");
    EXPECT_EQ(pool.Read("ZRPwinners1_.dat"), "ANN LEE\r\n3\r\n0\r\nBOB RAY\r\n2\r\n1\r\nBIG BOSS\r\n1\r\n2\r\n");
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "2\r\n1\r\n2\r\n");
    EXPECT_FALSE(pool.Exists("ZRP__LockDateTime.txt"));

    // Period 2: Ann and Bob tie on 2; Ann's 30 is closest to 35 without
    // going over (the boss's exact 35 does not count: he is not a leader),
    // so she takes the extra point in both standings.
    Pick(kAnn, "USERPICS1", "100", "30");
    Pick(kBob, "USERPICS1", "001", "41");
    Pick(kBoss, "USERPICS1", "010", "35");
    Pick(kBoss, "ENTERWINNERS2", "101", "35");
    EXPECT_EQ(pool.Read("ZRPwinners2_.dat"), "ANN LEE\r\n3\r\n1\r\nBOB RAY\r\n2\r\n1\r\nBIG BOSS\r\n0\r\n3\r\n");
    CgiAnswer last = pool.Act("LASTWEEK", kAnn, "pw");
    EXPECT_TRUE(last.HasLine("<br><i><b>Results for Period 2</b></i><br><br>"));
    EXPECT_EQ(last.Between(kSheetTable, "</table>"),
              ResultsTable("Correct", "Missed", {"ANN LEE", "3", "1", "BOB RAY", "2", "1", "BIG BOSS", "0", "3"}));
    EXPECT_EQ(pool.Act("SCOREBOARD", kAnn, "pw").Between(kSheetTable, "</table>"),
              ResultsTable("Winning Picks", "", {"ANN LEE", "6", " ", "BOB RAY", "4", " ", "BIG BOSS", "1", " "}));

    // The pool has ended: no more picks.
    EXPECT_TRUE(pool.Login(kAnn, "pw").HasLine("<i>Pool Ended - Team Selection Not Available</i><br>"));
    pool.Act("USERPICS2", kAnn, "pw", {{"LINENUMBER", "3"}, {"UWP", "111"}, {"TIEBREAKER", "1"}});
    EXPECT_FALSE(pool.Exists("ZRPpicks3_.dat"));
}

// Before a period is scored the last period is nought without data. The
// scoreboard shows the standings records as stored, whatever their line ends
// and a last line without one (a cut file: see the output tests); names lose
// the blanks around them, the points keep theirs.
TEST_F(Season, NoLastPeriodYetAndTheScoreboardAsStored) {
    CgiAnswer page = pool.Act("LASTWEEK", kAnn, "pw");
    EXPECT_TRUE(page.HasLine("<br><i><b>Results for Period 0</b></i><br><br>"));
    EXPECT_EQ(page.Between(kSheetTable, "</table>"), ResultsTable("Correct", "Missed", {"No", "Data", "Available"}));
    pool.Write("ZRPOverAllWinners.dat", "ANN\n6\n \r\nBOB\r\n\r\n2\r\n  DEE  \n 7 \nx\nCY\n4\n ");
    EXPECT_EQ(pool.Act("SCOREBOARD", kAnn, "pw").Between(kSheetTable, "</table>"),
              ResultsTable("Winning Picks", "", {"ANN", "6", " ", "BOB", "", "2", "DEE", " 7 ", "x", "CY", "4", " "}));
}

}  // namespace
