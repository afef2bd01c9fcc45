#include <gtest/gtest.h>

#include "cgi/failure.h"
#include "core/files.h"
#include "results/scoring_folder.h"
#include "results/standings.h"

namespace {

const char kPeriod[] = "ZRPwinners3_.dat";
const char kOverall[] = "ZRPOverAllWinners.dat";

// Period 3 with the leaders' records and their guesses in the picks file.
class TieBreak : public ::testing::Test {
protected:
    void SetUp() override { R().CurrentWeek = "3"; }

    void Standings(const std::vector<std::string>& period, const std::vector<std::string>& overall) {
        folder.WriteLines(kPeriod, period);
        folder.WriteLines(kOverall, overall);
    }
    void Guesses(const std::vector<std::pair<std::string, std::string>>& guesses) {
        std::vector<std::string> lines;
        for (const auto& [name, guess] : guesses) lines.insert(lines.end(), {name, "0101", guess});
        folder.WriteLines("ZRPpicks3_.dat", lines);
    }
    std::string Period() const { return folder.Read(kPeriod); }
    std::string Overall() const { return folder.Read(kOverall); }

    ScoringFolder folder;
};

const std::vector<std::string> kTiedPeriod = {"A", "3", "1", "B", "3", "1", "D", "2", "2"};
const std::vector<std::string> kOverallBefore = {"B", "9", " ", "A", "8", " ", "D", "2", " "};

}  // namespace

TEST_F(TieBreak, ClosestWithoutGoingOverWinsAPointInBothFiles) {
    Standings(kTiedPeriod, kOverallBefore);
    Guesses({{"A", "30"}, {"B", "41"}, {"D", "35"}});
    AwardTieBreak("35");
    EXPECT_EQ(Period(), JoinTextLines({"A", "4", "1", "B", "3", "1", "D", "2", "2"}));
    EXPECT_EQ(Overall(), JoinTextLines({"B", "9", " ", "A", "9", " ", "D", "2", " "}));
    // The sorts that follow the points leave the files before them as .bak.
    EXPECT_EQ(folder.Read("ZRPwinners3_.dat.bak"), JoinTextLines({"A", "4", "1", "B", "3", "1", "D", "2", "2"}));
    EXPECT_EQ(folder.Read("ZRPOverAllWinners.dat.bak"), JoinTextLines({"B", "9", " ", "A", "9", " ", "D", "2", " "}));
}

TEST_F(TieBreak, ClosestOverWinsWhenEveryGuessIsOverAndEqualDistancesShare) {
    Standings(kTiedPeriod, kOverallBefore);
    Guesses({{"a", " 40"}, {"b", "38 "}});  // names match whatever their case
    AwardTieBreak("35");
    EXPECT_EQ(Period(), JoinTextLines({"B", "4", "1", "A", "3", "1", "D", "2", "2"}));

    Standings(kTiedPeriod, kOverallBefore);
    Guesses({{"A", "33"}, {"B", "37"}});
    AwardTieBreak("35");
    EXPECT_EQ(Period(), JoinTextLines({"A", "4", "1", "B", "3", "1", "D", "2", "2"}));

    Standings(kTiedPeriod, kOverallBefore);
    Guesses({{"A", "33"}, {"B", "33"}});
    AwardTieBreak("35");
    EXPECT_EQ(Period(), JoinTextLines({"A", "4", "1", "B", "4", "1", "D", "2", "2"}));
    EXPECT_EQ(Overall(), JoinTextLines({"B", "10", " ", "A", "9", " ", "D", "2", " "}));
}

TEST_F(TieBreak, NoPointWithoutATieOrWithoutAnActualScore) {
    Standings({"A", "5", "0", "B", "4", "1"}, kOverallBefore);
    Guesses({{"A", "35"}, {"B", "35"}});
    AwardTieBreak("35");
    EXPECT_EQ(Period(), JoinTextLines({"A", "5", "0", "B", "4", "1"}));
    EXPECT_EQ(Overall(), JoinTextLines(kOverallBefore));

    Standings(kTiedPeriod, kOverallBefore);
    AwardTieBreak("  ");
    EXPECT_EQ(Period(), JoinTextLines(kTiedPeriod));
    EXPECT_EQ(Overall(), JoinTextLines(kOverallBefore));
    EXPECT_FALSE(folder.Exists("ZRPwinners3_.dat.bak"));
}

TEST_F(TieBreak, ASinglePlayerGetsThePointOnlyWithAGuess) {
    Standings({"A", "2", "2"}, {"A", "2", " "});
    Guesses({{"A", "70"}});
    AwardTieBreak("35");
    EXPECT_EQ(Period(), JoinTextLines({"A", "3", "2"}));
    EXPECT_EQ(Overall(), JoinTextLines({"A", "3", " "}));

    Standings({"A", "2", "2"}, {"A", "2", " "});
    Guesses({{"A", ""}});
    AwardTieBreak("35");
    EXPECT_EQ(Period(), JoinTextLines({"A", "2", "2"}));
}

TEST_F(TieBreak, TheBestDistanceStopsAtTheFirstLeaderWithoutAGuess) {
    // B's empty guess ends the search for the best distance before C, so
    // A and C, the leaders with a guess not over, both win.
    Standings({"A", "3", "1", "B", "3", "1", "C", "3", "1"}, {});
    Guesses({{"A", "30"}, {"B", ""}, {"C", "33"}});
    AwardTieBreak("35");
    EXPECT_EQ(Period(), JoinTextLines({"A", "4", "1", "C", "4", "1", "B", "3", "1"}));
}

TEST_F(TieBreak, AGuessThatIsNoNumberCountsAsNought) {
    Standings(kTiedPeriod, kOverallBefore);
    Guesses({{"A", "abc"}, {"B", "30"}});
    AwardTieBreak("35");
    EXPECT_EQ(Period(), JoinTextLines({"B", "4", "1", "A", "3", "1", "D", "2", "2"}));

    Standings(kTiedPeriod, kOverallBefore);
    Guesses({{"A", "99999"}, {"B", "30"}});
    EXPECT_EQ(FailureOf([] { AwardTieBreak("35"); }), kOverflow);
}

TEST_F(TieBreak, NobodyPickedMeansNoTieBreak) {
    folder.WriteLines(kOverall, kOverallBefore);
    AwardTieBreak("35");
    EXPECT_FALSE(folder.Exists(kPeriod));
    EXPECT_EQ(Overall(), JoinTextLines(kOverallBefore));
}

TEST_F(TieBreak, AtMostAHundredTiedRecords) {
    std::vector<std::string> period;
    for (int i = 1; i <= 100; ++i) period.insert(period.end(), {"P" + std::to_string(i), "3", "1"});
    Standings(period, {});
    Guesses({{"P7", "35"}});
    AwardTieBreak("35");
    EXPECT_EQ(SplitTextLines(Period())[0], "P7");

    period.insert(period.end(), {"LAST", "1", "3"});
    Standings(period, {});
    EXPECT_EQ(FailureOf([] { AwardTieBreak("35"); }), kSubscript);
}
