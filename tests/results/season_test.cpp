// A short season played as browsers would play it: three players, two
// periods, the second decided by the tie-breaker.
#include <gtest/gtest.h>

#include "game/sheet_expect.h"
#include "support/cgi_pool.h"

namespace {

struct Member {
    std::string Email, Password, Name;
};
const Member kBoss{"boss@pool.test", "boss", "Big Boss"}, kAnn{"ann@pool.test", "ann", "Ann Lee"},
    kBob{"bob@pool.test", "bob", "Bob Ray"};

class Season : public ::testing::Test {
protected:
    Pool pool;
    void SetUp() override {
        pool.Write("zrp.cfg", kWeek1 + "WEEK2\r\nBeta at Gamma\r\nDelta at Alpha\r\nZeta at Epsilon\r\n");
        for (const Member& m : {kBoss, kAnn, kBob}) pool.Join(m.Email, m.Password, m.Name);
    }
    // Picks the teams ('0' first, '1' second, ' ' open) on the sheet, then
    // sends the confirmation form back as the browser would.
    void Send(const Member& m, const std::string& picks, const std::string& guess, const std::string& action,
              const std::string& menu) const {
        Fields sheet = {{"LINENUMBER", std::to_string(picks.size())}, {"TIEBREAKER", guess}};
        for (size_t i = 0; i < picks.size(); ++i)
            if (picks[i] != ' ') sheet.push_back({"C" + std::to_string(i + 1), std::string(1, picks[i])});
        CgiAnswer confirmation = pool.Act(action, m.Email, m.Password, sheet);
        Fields back;
        for (const char* name : {"ACTION", "XAI", "IAX", "UWP", "TIEBREAKER", "LINENUMBER"})
            back.push_back({name, confirmation.Hidden(name)});
        CgiAnswer answer = pool.Post(back);
        EXPECT_EQ(answer.Errors, "");
        EXPECT_TRUE(answer.HasLine(menu)) << answer.Bytes;
    }
    void Pick(const Member& m, const std::string& picks, const std::string& guess) const {
        Send(m, picks, guess, "USERPICS1", "<!-- MainMenu -->");
    }
    void Score(const std::string& winners, const std::string& actual) const {
        Send(kBoss, winners, actual, "ENTERWINNERS2", "<!-- AdminMainMenu -->");
    }
    std::vector<std::string> Results(const std::string& action) const {
        return pool.Act(action, kAnn.Email, kAnn.Password).Between(kSheetTable, "</table>");
    }
};

TEST_F(Season, TwoPeriodsScoredWithATieBrokenByTheGuesses) {
    // Period 1: Ann alone on top, so her guess earns nothing.
    Pick(kAnn, "010", "30");
    Pick(kBob, "011", "40");
    Pick(kBoss, "1 0", "20");
    EXPECT_EQ(pool.Read("ZRPpicks1_.dat"), "ANN LEE\r\n010\r\n30\r\nBOB RAY\r\n011\r\n40\r\nBIG BOSS\r\n150\r\n20\r\n");
    pool.Write("ZRP__LockDateTime.txt", "01\r\n01\r\n2001\r\n00\r\n00\r\n");
    Score("010", "35");
    EXPECT_EQ(pool.Read("ZRPpicks1W_.dat"), "010\r\n35\r\n");
    EXPECT_EQ(pool.Read("ZRPteams1_.dat"), "Alpha,Beta\r\nGamma,Delta\r\nEpsilon,Zeta\r\n");
    EXPECT_EQ(pool.Read("ZRPwinners1_.dat"), "ANN LEE\r\n3\r\n0\r\nBOB RAY\r\n2\r\n1\r\nBIG BOSS\r\n1\r\n2\r\n");
    EXPECT_EQ(pool.Read("ZRPOverAllWinners.dat"), "ANN LEE\r\n3\r\n \r\nBOB RAY\r\n2\r\n \r\nBIG BOSS\r\n1\r\n \r\n");
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "2\r\n1\r\n2\r\n");
    EXPECT_FALSE(pool.Exists("ZRP__LockDateTime.txt"));

    // Period 2: Ann and Bob tie on 2; Ann's 30 is closest to 35 without
    // going over (the boss's exact 35 does not count: he is not a leader),
    // so she takes the extra point in both standings.
    Pick(kAnn, "100", "30");
    Pick(kBob, "001", "41");
    Pick(kBoss, "010", "35");
    Score("101", "35");
    EXPECT_EQ(pool.Read("ZRPwinners2_.dat"), "ANN LEE\r\n3\r\n1\r\nBOB RAY\r\n2\r\n1\r\nBIG BOSS\r\n0\r\n3\r\n");
    EXPECT_EQ(pool.Read("ZRPweek.dat"), "3\r\n1\r\n2\r\n");
    EXPECT_EQ(Results("LASTWEEK"),
              ResultsTable("Correct", "Missed", {"ANN LEE", "3", "1", "BOB RAY", "2", "1", "BIG BOSS", "0", "3"}));
    EXPECT_EQ(Results("SCOREBOARD"),
              ResultsTable("Winning Picks", "", {"ANN LEE", "6", " ", "BOB RAY", "4", " ", "BIG BOSS", "1", " "}));

    // The pool has ended: no more picks.
    EXPECT_TRUE(pool.Login(kAnn.Email, kAnn.Password).HasLine("<i>Pool Ended - Team Selection Not Available</i><br>"));
    pool.Act("USERPICS2", kAnn.Email, kAnn.Password, {{"LINENUMBER", "3"}, {"UWP", "111"}, {"TIEBREAKER", "1"}});
    EXPECT_FALSE(pool.Exists("ZRPpicks3_.dat"));
}

}  // namespace
