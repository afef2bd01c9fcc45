#include "results/scoring_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cgi/failure.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/text.h"
#include "game/periods.h"
#include "game/picks_store.h"
#include "support/run_folder.h"
#include "users/user_file.h"

namespace {

// The scoring run done the slow, plain way: every standings change reads and
// rewrites its file at once, every player is looked up in the picks file anew.
namespace literal {

void Update(const std::string& path, const std::string& name, int16_t points) {
    std::string key = TrimBlanks(name);
    bool existed = FileExists(path);
    std::vector<std::string> lines = existed ? ReadTextLines(path) : std::vector<std::string>{};
    auto at = std::find_if(lines.begin(), lines.end(), [&](auto& line) { return !key.empty() && TrimBlanks(line) == key; });
    if (at == lines.end()) lines.insert(lines.end(), {key, NumText(points), " "});
    else if (lines.end() - at < 3) Fail(kInputPastEnd);
    else at[1] = NumText(CInt(Val(TrimBlanks(at[1])) + points));
    WriteFileAtomic(path, JoinTextLines(lines));
    if (existed) DeleteFileIfExists(path + ".bak");  // the rewrite went through it
}

void Sort(const std::string& path) {
    if (!FileExists(path)) return;
    CopyFileOver(path, path + ".bak");
    std::vector<std::string> lines = ReadTextLines(path);
    if (lines.size() % 3 != 0) Fail(kInputPastEnd);
    if (lines.size() == 3) return;
    for (size_t i = 0; i + 3 < lines.size(); i += 3)
        for (size_t j = i; j < lines.size(); j += 3)
            if (Val(TrimBlanks(lines[i + 1])) < Val(TrimBlanks(lines[j + 1])))
                std::swap_ranges(lines.begin() + i, lines.begin() + i + 3, lines.begin() + j);
    WriteFileAtomic(path, JoinTextLines(lines));
}

void TieBreak(const std::string& actual) {
    std::string period = PeriodWinnersFilePath(R().CurrentWeek);
    if (Trimm(actual).empty() || !FileExists(period)) return;
    std::vector<std::string> lines = ReadTextLines(period);
    size_t count = 0;
    for (size_t at = 0; at < lines.size(); at += 3, ++count) {
        if (count == 100) Fail(kSubscript);
        if (at + 3 > lines.size()) Fail(kInputPastEnd);
        if (TrimBlanks(lines[at + 1]) == TrimBlanks(lines[1])) continue;
        if (count == 1) return;  // a single leader
        break;
    }
    if (count == 0) return;
    std::vector<std::string> guesses(count);
    for (size_t k = 0; k < count && !TrimBlanks(lines[3 * k]).empty(); ++k)
        guesses[k] = WhatDidTheUserSelectForTieBreakerScore(lines[3 * k]);
    double goal = Val(actual);
    bool under = std::any_of(guesses.begin(), guesses.end(), [&](auto& guess) { return Val(guess) <= goal; });
    std::vector<int16_t> distance;
    for (const std::string& guess : guesses) distance.push_back(CInt(under ? goal - Val(guess) : Val(guess) - goal));
    int best = 10000;
    for (size_t k = 0; k < count && !guesses[k].empty(); ++k)
        if (distance[k] >= 0 && distance[k] <= best) best = distance[k];
    for (size_t k = 0; k < count; ++k)
        if (!guesses[k].empty() && (distance[k] > best || distance[k] < 0)) guesses[k] = "X";
    for (size_t k = 0; k < count; ++k) {
        if (guesses[k].empty() || guesses[k] == "X") continue;
        Update(OverallWinnersFilePath(), lines[3 * k], 1);
        Update(period, lines[3 * k], 1);
    }
    Sort(OverallWinnersFilePath());
    Sort(period);
}

void ScoringRun() {
    Run& r = R();
    std::string weekFile;
    LoadWeekFile(weekFile);
    r.LineNumber = 0;
    for (const std::string& game : PeriodGameLines(r.CurrentWeek)) {
        ++r.LineNumber;
        AppendTeamsLine(game);
    }
    SaveWinningTeamsForThisPeriod();
    if (FileExists(UserFilePath())) {
        if (FileLength(UserFilePath()) < kUserRecordLength) return;
        for (const UserRecord& user : ReadUserRecords()) {
            if (Trimm(user.UserEmail).empty() || Trimm(user.UserStatus) == "DELETE") continue;
            std::string name = Trimm(user.UserRealName);
            int16_t correct = HowManyWinnersDoesTheUserHave(name);
            if (correct == 9999 || name.empty()) continue;
            AppendTextLines(PeriodWinnersFilePath(r.CurrentWeek), {name, NumText(correct), NumText(r.LineNumber - correct)});
            Update(OverallWinnersFilePath(), name, correct);
        }
    }
    Sort(OverallWinnersFilePath());
    Sort(PeriodWinnersFilePath(r.CurrentWeek));
    TieBreak(r.TieBreaker);
    AdvancePeriod();
}

}  // namespace literal

using Files = std::map<std::string, std::string>;

// A small random pool with the awkward cases mixed in: names equal to points
// lines or in other case, deleted players, guesses that are no number, stale
// .bak files, standings with lone line feeds, without a last line end or with
// a broken record.
struct RandomPool {
    Files Folder;
    std::string Uwp, Actual;
};

RandomPool MakeRandomPool(unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&](size_t n) { return random() % n; };
    auto chance = [&](unsigned percent) { return random() % 100 < percent; };
    auto oneOf = [&](const std::vector<std::string>& texts) { return texts[pick(texts.size())]; };
    auto name = [&] { return oneOf({"ANN", "BOB", "Bob", "CY", "3", "1", "2", " DEE", "EVE ", "X", "FAY"}); };
    auto picks = [&](size_t length) {
        std::string text;
        while (text.size() < length) text += "015"[pick(3)];
        return text;
    };
    auto standings = [&](size_t most) {
        std::vector<std::string> lines;
        for (size_t n = pick(most); n > 0; --n)
            lines.insert(lines.end(), {name(), oneOf({"0", "3", " 3", "4", "12", "x", "2.5"}), oneOf({" ", "1", "x"})});
        if (chance(5) && !lines.empty()) lines.pop_back();
        std::string bytes = JoinTextLines(lines);
        if (chance(10)) std::erase(bytes, '\r');
        if (chance(10)) bytes.erase(bytes.find_last_not_of("\r\n") + 1);
        return bytes;
    };
    size_t games = 1 + pick(5);
    Files files;
    std::vector<std::string> lines = {"WEEK1"};
    for (size_t g = 0; g < games; ++g) lines.push_back("T" + std::to_string(g) + " at U" + std::to_string(g));
    lines.insert(lines.end(), {"WEEK2", "Rams at Jets"});
    files["zrp.cfg"] = JoinTextLines(lines);
    if (chance(30)) files["ZRPweek.dat"] = JoinTextLines({"1", "1", "2"});
    if (chance(20)) files["ZRPpicks1W_.dat"] = JoinTextLines({picks(games), "20"});
    std::string users = EncodeUserRecord(Player("boss@pool", name(), "ADMINISTRATOR"));
    for (size_t n = pick(10); n > 0; --n)
        users += EncodeUserRecord(Player(chance(10) ? "" : "p" + std::to_string(n) + "@pool", name(),
                                         oneOf({"USER", "USER", "DELETE", "PENDING"})));
    if (chance(10)) users += "partial";
    if (chance(90)) files["ZRPform_user.dat"] = chance(5) ? std::string(100, ' ') : users;
    lines.clear();
    for (size_t n = pick(9); n > 0; --n)
        lines.insert(lines.end(), {chance(30) ? " " + LCase(name()) : name(), picks(games + pick(3) - 1),
                                   oneOf({"30", "41", "35", "", "abc", "33", " 38 ", "X"})});
    if (chance(90)) files["ZRPpicks1_.dat"] = JoinTextLines(lines);
    if (chance(70)) files["ZRPOverAllWinners.dat"] = standings(12);
    if (chance(15)) files["ZRPwinners1_.dat"] = standings(3);
    if (chance(20)) files["ZRPOverAllWinners.dat.bak"] = "stale";
    if (chance(20)) files["ZRPwinners1_.dat.bak"] = "stale";
    return {files, picks(1 + pick(5)), oneOf({"", "35", " 20", "abc", "0", "38"})};
}

// Scores the period runs times in a fresh folder holding files: the failure
// number (0 when none) and every file afterwards.
std::pair<int, Files> Score(const Files& files, const std::string& uwp, const std::string& actual, int runs,
                            void (*run)()) {
    RunFolder folder;
    for (const auto& [name, bytes] : files) folder.Write(name, bytes);
    int failure = 0;
    for (int n = 0; n < runs && failure == 0; ++n) {
        folder.Enter();
        R().Uwp = uwp;
        R().TieBreaker = actual;
        failure = FailureOf(run);
    }
    return {failure, folder.Contents()};
}

// Period 1 of four games; the winning picks 0115, 35 points for the tie-breaker.
class ScoringRun : public ::testing::Test {
protected:
    RunFolder folder;
    void SetUp() override {
        folder.WriteLines("zrp.cfg", {"Season", "WEEK1", "Dallas at Washington", " Miami at Buffalo ",
                                      "Denver at Oakland", "Detroit at Chicago", "WEEK2", "Rams at Jets"});
        folder.WriteUsers({Player("admin@pool", "BOSS", "ADMINISTRATOR"), Player("a@pool", "ANN"),
                           Player("b@pool", "BOB"), Player("c@pool", "CY"), Player("d@pool", "DEE", "DELETE")});
        folder.WriteLines("ZRPpicks1_.dat", {"ann", "0110", "30", "BOB", "0105", "41", "DEE", "0115", "35"});
        R().Uwp = "0115";
        R().TieBreaker = "35";
    }
};

}  // namespace

TEST(ScoringRunCompared, LeavesEveryFileAsScoringOnePlayerAtATimeWould) {
    int completed = 0;
    for (unsigned seed = 1; seed <= 600; ++seed) {
        RandomPool pool = MakeRandomPool(seed);
        int runs = 1 + static_cast<int>(seed % 3 == 0);  // the same period scored again too
        auto expected = Score(pool.Folder, pool.Uwp, pool.Actual, runs, literal::ScoringRun);
        auto got = Score(pool.Folder, pool.Uwp, pool.Actual, runs, UpdateWinnerForThisWeek);
        ASSERT_EQ(got.first, expected.first) << "seed " << seed;
        if (expected.first != 0) continue;
        ++completed;
        ASSERT_EQ(got.second, expected.second) << "seed " << seed;
    }
    EXPECT_GT(completed, 400);
}

TEST_F(ScoringRun, ScoresThePlayersBreaksTheTieAndOpensTheNextPeriod) {
    folder.WriteLines("ZRPOverAllWinners.dat", {"BOB", "7", " ", "DEE", "5", " "});
    UpdateWinnerForThisWeek();
    EXPECT_EQ(folder.Read("ZRPwinners1_.dat"), JoinTextLines({"ANN", "4", "1", "BOB", "3", "1"}));
    EXPECT_EQ(folder.Read("ZRPOverAllWinners.dat"), JoinTextLines({"BOB", "10", " ", "DEE", "5", " ", "ANN", "4", " "}));
    EXPECT_EQ(folder.Read("ZRPteams1_.dat"),
              JoinTextLines({"Dallas,Washington", "Miami,Buffalo", "Denver,Oakland", "Detroit,Chicago"}));
    EXPECT_EQ(folder.Read("ZRPpicks1W_.dat"), JoinTextLines({"0115", "35"}));
    EXPECT_EQ(folder.Read("ZRPweek.dat"), JoinTextLines({"2", "1", "2"}));
}

TEST_F(ScoringRun, ABrokenStandingsFileStopsTheRunBeforeAnyStandingsChange) {
    folder.WriteLines("ZRPOverAllWinners.dat", {"DEE", "5", " ", "ANN", "7"});
    EXPECT_EQ(FailureOf([] { UpdateWinnerForThisWeek(); }), kInputPastEnd);
    EXPECT_EQ(folder.Read("ZRPOverAllWinners.dat"), JoinTextLines({"DEE", "5", " ", "ANN", "7"}));
    EXPECT_FALSE(folder.Exists("ZRPwinners1_.dat"));
}

TEST_F(ScoringRun, APeriodNobodyPickedStillAdvances) {
    folder.Write("ZRPpicks1_.dat", "");
    UpdateWinnerForThisWeek();
    EXPECT_FALSE(folder.Exists("ZRPwinners1_.dat"));
    EXPECT_EQ(folder.Read("ZRPweek.dat"), JoinTextLines({"2", "1", "2"}));
}
