#include <gtest/gtest.h>

#include "cgi/failure.h"
#include "results/scoring_folder.h"
#include "results/standings.h"

namespace {

const char kOverall[] = "ZRPOverAllWinners.dat";

std::string Lines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

}  // namespace

TEST(SortWinners, EqualPointsEndInTheExchangeOrderAndTheBakHoldsTheFileBefore) {
    ScoringFolder folder;
    folder.Write(kOverall, Lines({"A", "1", " ", "B", "1", " ", "C", "2", " "}));
    SortWinnersThisWeek(folder.PathOf(kOverall));
    EXPECT_EQ(folder.Read(kOverall), Lines({"C", "2", " ", "B", "1", " ", "A", "1", " "}));
    EXPECT_EQ(folder.Read("ZRPOverAllWinners.dat.bak"), Lines({"A", "1", " ", "B", "1", " ", "C", "2", " "}));
    EXPECT_EQ(R().CurrentRoutine, "SortWinnersThisWeek");
}

TEST(SortWinners, EmptyAndSingleRecordFilesKeepTheirBytes) {
    ScoringFolder folder;
    folder.Write(kOverall, "");
    SortWinnersThisWeek(folder.PathOf(kOverall));
    EXPECT_EQ(folder.Read(kOverall), "");
    EXPECT_TRUE(folder.Exists("ZRPOverAllWinners.dat.bak"));

    const std::string single = "  ANN\n 7\n x";  // lone line feeds, no final line end
    folder.Write(kOverall, single);
    SortWinnersThisWeek(folder.PathOf(kOverall));
    EXPECT_EQ(folder.Read(kOverall), single);
    EXPECT_EQ(folder.Read("ZRPOverAllWinners.dat.bak"), single);
}

TEST(SortWinners, MissingFileOrBrokenRecord) {
    ScoringFolder folder;
    SortWinnersThisWeek(folder.PathOf(kOverall));
    EXPECT_TRUE(folder.Contents().empty());

    folder.Write(kOverall, Lines({"A", "1", " ", "B", "2"}));
    EXPECT_EQ(FailureOf([&] { SortWinnersThisWeek(folder.PathOf(kOverall)); }), kInputPastEnd);
    EXPECT_EQ(folder.Read(kOverall), Lines({"A", "1", " ", "B", "2"}));
}

TEST(UpdateAWinner, AddsToTheFirstMatchingLineKeepsTheThirdLineAndDropsTheBak) {
    ScoringFolder folder;
    folder.Write(kOverall, Lines({"ANN", "4", "kept", "BOB", "2", " ", " BOB ", "9", " "}));
    folder.Write("ZRPOverAllWinners.dat.bak", "stale");
    UpdateAWinnerFileOverallOrWeekly(folder.PathOf(kOverall), "  BOB", 3);
    UpdateAWinnerFileOverallOrWeekly(folder.PathOf(kOverall), "ANN", 1);
    EXPECT_EQ(folder.Read(kOverall), Lines({"ANN", "5", "kept", "BOB", "5", " ", " BOB ", "9", " "}));
    EXPECT_FALSE(folder.Exists("ZRPOverAllWinners.dat.bak"));
    EXPECT_EQ(R().CurrentRoutine, "UpdateAWinnerFileOverallOrWeekly8");
}

TEST(UpdateAWinner, NewNamesAreAppendedAndCaseCounts) {
    ScoringFolder folder;
    UpdateAWinnerFileOverallOrWeekly(folder.PathOf(kOverall), " ann ", 3);
    EXPECT_EQ(folder.Read(kOverall), Lines({"ann", "3", " "}));
    UpdateAWinnerFileOverallOrWeekly(folder.PathOf(kOverall), "ANN", 2);
    EXPECT_EQ(folder.Read(kOverall), Lines({"ann", "3", " ", "ANN", "2", " "}));
}

TEST(UpdateAWinner, ANameCanMatchAPointsLine) {
    ScoringFolder folder;
    // A player called "3" finds ANN's points line: the line after it is
    // taken as his points.
    folder.Write(kOverall, Lines({"ANN", "3", " ", "BOB", "1", " "}));
    UpdateAWinnerFileOverallOrWeekly(folder.PathOf(kOverall), "3", 2);
    EXPECT_EQ(folder.Read(kOverall), Lines({"ANN", "3", "2", "BOB", "1", " "}));
    // The changed line is found by its new text, the old one no more.
    UpdateAWinnerFileOverallOrWeekly(folder.PathOf(kOverall), "2", 5);
    EXPECT_EQ(folder.Read(kOverall), Lines({"ANN", "3", "2", "5", "1", " "}));
    UpdateAWinnerFileOverallOrWeekly(folder.PathOf(kOverall), " ", 1);
    EXPECT_EQ(folder.Read(kOverall), Lines({"ANN", "3", "2", "5", "1", " ", "", "1", " "}));
}

TEST(UpdateAWinner, MissingPointLinesAndOverflowFail) {
    ScoringFolder folder;
    folder.Write(kOverall, Lines({"ANN", "3", " ", "BOB", "1"}));
    EXPECT_EQ(FailureOf([&] { UpdateAWinnerFileOverallOrWeekly(folder.PathOf(kOverall), "BOB", 1); }),
              kInputPastEnd);
    EXPECT_EQ(R().CurrentRoutine, "UpdateAWinnerFileOverallOrWeekly2");
    EXPECT_EQ(folder.Read(kOverall), Lines({"ANN", "3", " ", "BOB", "1"}));
    // A name without its two lines is only a failure when it is found.
    UpdateAWinnerFileOverallOrWeekly(folder.PathOf(kOverall), "CY", 1);
    EXPECT_EQ(folder.Read(kOverall), Lines({"ANN", "3", " ", "BOB", "1", "CY", "1", " "}));

    folder.Write(kOverall, Lines({"ANN", "32767", " "}));
    EXPECT_EQ(FailureOf([&] { UpdateAWinnerFileOverallOrWeekly(folder.PathOf(kOverall), "ANN", 1); }), kOverflow);
}
