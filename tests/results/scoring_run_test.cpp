#include <gtest/gtest.h>
#include <unistd.h>

#include <array>

#include "cgi/failure.h"
#include "core/files.h"
#include "results/scoring_folder.h"
#include "results/scoring_run.h"

namespace {

// Period 1 of four games, the run's winning picks 0115.
class ScoringRun : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Write("zrp.cfg", JoinTextLines({"Season", "WEEK1", "Dallas at Washington", " Miami at Buffalo ",
                                               "Denver at Oakland", "Detroit at Chicago", "WEEK2", "Rams at Jets"}));
        folder.WriteUsers({Player("admin@pool", "BOSS", "ADMINISTRATOR"), Player("a@pool", "ANN"),
                           Player("b@pool", "BOB"), Player("c@pool", "CY")});
        PicksOf({{"ann", "0110", "30"}, {"BOB", "0105", "41"}});
        R().Uwp = "0115";
    }
    void PicksOf(const std::vector<std::array<std::string, 3>>& records) const {
        std::vector<std::string> lines;
        for (const auto& record : records) lines.insert(lines.end(), record.begin(), record.end());
        folder.WriteLines("ZRPpicks1_.dat", lines);
    }
    std::string Lines(const std::string& name) const { return folder.Read(name); }

    ScoringFolder folder;
};

}  // namespace

TEST_F(ScoringRun, ScoresEveryPlayerWhoPickedAndOpensTheNextPeriod) {
    folder.WriteLines("ZRPOverAllWinners.dat", {"BOB", "7", " ", "DEE", "5", " "});
    UpdateWinnerForThisWeek();
    EXPECT_EQ(Lines("ZRPwinners1_.dat"), JoinTextLines({"ANN", "3", "1", "BOB", "3", "1"}));
    EXPECT_EQ(Lines("ZRPwinners1_.dat.bak"), JoinTextLines({"ANN", "3", "1", "BOB", "3", "1"}));
    EXPECT_EQ(Lines("ZRPOverAllWinners.dat"), JoinTextLines({"BOB", "10", " ", "DEE", "5", " ", "ANN", "3", " "}));
    EXPECT_EQ(Lines("ZRPteams1_.dat"),
              JoinTextLines({"Dallas,Washington", "Miami,Buffalo", "Denver,Oakland", "Detroit,Chicago"}));
    EXPECT_EQ(Lines("ZRPpicks1W_.dat"), JoinTextLines({"0115", ""}));
    EXPECT_EQ(Lines("ZRPweek.dat"), JoinTextLines({"2", "1", "2"}));
}

TEST_F(ScoringRun, ABrokenStandingsFileStopsTheRunBeforeAnyStandingsChange) {
    const std::vector<std::string> broken = {"DEE", "5", " ", "ANN", "7"};
    folder.WriteLines("ZRPOverAllWinners.dat", broken);
    EXPECT_EQ(FailureOf([] { UpdateWinnerForThisWeek(); }), kInputPastEnd);
    EXPECT_EQ(R().CurrentRoutine, "UpdateAWinnerFileOverallOrWeekly2");
    EXPECT_EQ(Lines("ZRPOverAllWinners.dat"), JoinTextLines(broken));
    EXPECT_FALSE(folder.Exists("ZRPwinners1_.dat"));
    EXPECT_EQ(Lines("ZRPweek.dat"), JoinTextLines({"1", "1", "2"}));
}

TEST_F(ScoringRun, TheTieBreakerGivesTheClosestGuessAPoint) {
    R().TieBreaker = "35";
    UpdateWinnerForThisWeek();
    EXPECT_EQ(Lines("ZRPwinners1_.dat"), JoinTextLines({"ANN", "4", "1", "BOB", "3", "1"}));
    EXPECT_EQ(Lines("ZRPOverAllWinners.dat"), JoinTextLines({"ANN", "4", " ", "BOB", "3", " "}));
    EXPECT_EQ(Lines("ZRPpicks1W_.dat"), JoinTextLines({"0115", "35"}));
}

TEST_F(ScoringRun, DeletedPlayersAreNotScoredAndStoredWinningPicksWin) {
    folder.WriteUsers({Player("admin@pool", "BOSS", "ADMINISTRATOR"), Player("a@pool", "ANN", "DELETE"),
                       Player("", "BOB"), Player("c@pool", "CY")});
    PicksOf({{"ANN", "0110", "30"}, {"BOB", "0105", "41"}, {"CY", "5555", "41"}});
    folder.WriteLines("ZRPpicks1W_.dat", {"5555 ", "12"});
    UpdateWinnerForThisWeek();
    EXPECT_EQ(Lines("ZRPwinners1_.dat"), JoinTextLines({"CY", "4", "0"}));
    EXPECT_EQ(Lines("ZRPpicks1W_.dat"), JoinTextLines({"5555 ", "12"}));
}

TEST_F(ScoringRun, APeriodNobodyPickedStillAdvances) {
    folder.Write("ZRPpicks1_.dat", "");
    R().TieBreaker = "35";
    UpdateWinnerForThisWeek();
    EXPECT_FALSE(folder.Exists("ZRPwinners1_.dat"));
    EXPECT_EQ(Lines("ZRPweek.dat"), JoinTextLines({"2", "1", "2"}));
}

TEST_F(ScoringRun, WithoutUsersTheFilesAreStillSortedAndThePeriodAdvances) {
    folder.Write("ZRPform_user.dat", "");
    UpdateWinnerForThisWeek();
    EXPECT_EQ(Lines("ZRPweek.dat"), JoinTextLines({"1", "1", "2"}));  // an empty user file ends the run

    unlink(folder.PathOf("ZRPform_user.dat").c_str());
    folder.WriteLines("ZRPOverAllWinners.dat", {"ANN", "1", " ", "BOB", "2", " "});
    UpdateWinnerForThisWeek();
    EXPECT_EQ(Lines("ZRPOverAllWinners.dat"), JoinTextLines({"BOB", "2", " ", "ANN", "1", " "}));
    EXPECT_EQ(Lines("ZRPweek.dat"), JoinTextLines({"2", "1", "2"}));
}
