#include "results/scoring_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/failure.h"
#include "core/file_batch.h"
#include "core/files.h"
#include "core/paths.h"
#include "core/text.h"
#include "game/periods.h"
#include "game/picks_store.h"
#include "results/standings.h"
#include "results/tie_break.h"
#include "support/run_folder.h"
#include "users/user_file.h"

namespace {

// The scoring run done the slow, plain way: every standings change reads and
// rewrites its file at once.
namespace literal {

void Update(const std::string& path, const std::string& name, int16_t points) {
    std::string key = TrimBlanks(name);
    bool existed = FileExists(path);
    std::vector<std::string> lines = existed ? ReadTextLines(path) : std::vector<std::string>{};
    // Only name lines, the first of each three, are compared.
    auto at = lines.begin();
    while (at != lines.end() && (key.empty() || TrimBlanks(*at) != key)) at += std::min<long>(3, lines.end() - at);
    // A new name gets a record of no points first.
    if (at == lines.end()) at = lines.insert(lines.end(), {key, "0", " "});
    if (lines.end() - at < 3) Fail(kInputPastEnd);
    at[1] = NumText(CInt(Val(TrimBlanks(at[1])) + points));
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
        if (at + 3 > lines.size()) Fail(kInputPastEnd);
        if (TrimBlanks(lines[at + 1]) == TrimBlanks(lines[1])) continue;
        if (count == 1) return;  // a single leader
        break;
    }
    if (count == 0) return;
    std::vector<std::string> guesses(count);
    for (size_t k = 0; k < count && !TrimBlanks(lines[3 * k]).empty(); ++k)
        guesses[k] = TieBreakerGuess(PicksFile(PicksFilePath(R().CurrentWeek)), lines[3 * k]);
    double goal = Val(actual);
    bool under = std::any_of(guesses.begin(), guesses.end(), [&](auto& guess) { return Val(guess) <= goal; });
    std::vector<int16_t> distance;
    for (const std::string& guess : guesses) distance.push_back(CInt(under ? goal - Val(guess) : Val(guess) - goal));
    int best = 10000;
    for (size_t k = 0; k < count && !guesses[k].empty(); ++k)
        if (distance[k] >= 0 && distance[k] <= best) best = distance[k];
    for (size_t k = 0; k < count; ++k) {
        if (guesses[k].empty() || distance[k] > best || distance[k] < 0) continue;
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
    std::vector<std::string> games = PeriodGameLines(r.CurrentWeek);
    r.LineNumber = static_cast<int16_t>(games.size());
    for (const std::string& game : games) AppendTextLines(TeamsFilePath(r.CurrentWeek), {game});
    FileBatch winning;
    SaveWinningTeamsForThisPeriod(winning);
    winning.Commit();
    if (FileExists(UserFilePath()) && FileLength(UserFilePath()) < kUserRecordLength) return;
    PicksFile picks(PicksFilePath(r.CurrentWeek));
    std::vector<UserRecord> users;
    ForEachUserRecord([&users](int32_t, const UserRecord& user) { return users.push_back(user), true; });
    for (const UserRecord& user : users) {
        if (Trimm(user.UserEmail).empty() || Trimm(user.UserStatus) == "DELETE") continue;
        std::string name = Trimm(user.UserRealName);
        int16_t right = picks.Exists() ? CountCorrectPicks(picks, name) : 9999;
        if (right == 9999 || name.empty()) continue;
        AppendTextLines(PeriodWinnersFilePath(r.CurrentWeek), {name, NumText(right), NumText(r.LineNumber - right)});
        Update(OverallWinnersFilePath(), name, right);
    }
    Sort(OverallWinnersFilePath());
    Sort(PeriodWinnersFilePath(r.CurrentWeek));
    TieBreak(r.TieBreaker);
    FileBatch week;
    AdvancePeriod(week);
    week.Commit();
}

}  // namespace literal

void UpdateWinnerForThisWeek() {
    FileBatch batch;
    ::UpdateWinnerForThisWeek(batch);
    batch.Commit();
}

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
    // Up to most records: a name, one of the seconds, one of the thirds.
    auto records = [&](size_t most, const std::vector<std::string>& seconds, const std::vector<std::string>& thirds) {
        std::vector<std::string> lines;
        for (size_t n = pick(most); n > 0; --n)
            lines.insert(lines.end(), {chance(30) ? " " + LCase(name()) : name(), oneOf(seconds), oneOf(thirds)});
        if (chance(5) && !lines.empty()) lines.pop_back();
        std::string bytes = JoinTextLines(lines);
        if (chance(10)) std::erase(bytes, '\r');
        if (chance(10)) bytes.erase(bytes.find_last_not_of("\r\n") + 1);
        return bytes;
    };
    size_t games = 1 + pick(5);
    std::string season = "WEEK1\r\n";
    for (size_t g = 0; g < games; ++g) season += "T" + std::to_string(g) + " at U" + std::to_string(g) + "\r\n";
    Files files = {{"zrp.cfg", season + "WEEK2\r\nRams at Jets\r\n"}};
    std::string users = EncodeUserRecord(Player("boss@pool", name(), "ADMINISTRATOR"));
    for (size_t n = pick(10); n > 0; --n)
        users += EncodeUserRecord(Player(chance(10) ? "" : "p" + std::to_string(n) + "@pool", name(),
                                         oneOf({"USER", "USER", "DELETE", "PENDING"})));
    if (chance(10)) users += "partial";
    if (chance(90)) files["ZRPform_user.dat"] = chance(5) ? std::string(100, ' ') : users;
    std::vector<std::string> points = {"0", "3", " 3", "4", "12", "x", "2.5"}, thirds = {" ", "1", "x"};
    if (chance(90))
        files["ZRPpicks1_.dat"] = records(9, {picks(games), picks(games), picks(games - 1), picks(games + 1)},
                                          {"30", "41", "35", "", "abc", "33", " 38 ", "X"});
    if (chance(70)) files["ZRPOverAllWinners.dat"] = records(12, points, thirds);
    if (chance(15)) files["ZRPwinners1_.dat"] = records(3, points, thirds);
    for (const char* bak : {"ZRPOverAllWinners.dat.bak", "ZRPwinners1_.dat.bak"})
        if (chance(20)) files[bak] = "stale";
    return {files, picks(1 + pick(5)), oneOf({"", "35", " 20", "abc", "0", "38"})};
}

// Scores the period runs times in a fresh folder holding the pool: the failure
// number (0 when none) and every file afterwards.
std::pair<int, Files> Score(const RandomPool& pool, int runs, void (*run)()) {
    RunFolder folder;
    for (const auto& [name, bytes] : pool.Folder) folder.Write(name, bytes);
    int failure = 0;
    for (int n = 0; n < runs && failure == 0; ++n) {
        folder.Enter();
        R().Action = "ENTERWINNERSFINAL";
        R().Uwp = pool.Uwp;
        R().TieBreaker = pool.Actual;
        failure = FailureOf(run);
    }
    return {failure, folder.Contents()};
}

// The standings files (and their .bak) among files.
Files Standings(Files files) {
    std::erase_if(files, [](auto& file) { return !Contains(UCase(file.first), "WINNERS"); });
    return files;
}

}  // namespace

TEST(ScoringRunCompared, LeavesEveryFileAsScoringOnePlayerAtATimeWould) {
    int completed = 0;
    for (unsigned seed = 1; seed <= 600; ++seed) {
        RandomPool pool = MakeRandomPool(seed);
        int runs = 1 + static_cast<int>(seed % 3 == 0);  // the same period scored again too
        auto expected = Score(pool, runs, literal::ScoringRun);
        auto got = Score(pool, runs, UpdateWinnerForThisWeek);
        ASSERT_EQ(got.first, expected.first) << "seed " << seed;
        if (expected.first == 0) {
            ++completed;
            ASSERT_EQ(got.second, expected.second) << "seed " << seed;
        } else if (runs == 1) {  // a failed run changes no standings
            ASSERT_EQ(Standings(got.second), Standings(pool.Folder)) << "seed " << seed;
        }
    }
    EXPECT_GT(completed, 400);
}

// Period 1 of four games: the winning picks 0115, 35 points for the tie-breaker.
TEST(ScoringRun, ScoresThePlayersBreaksTheTieAndOpensTheNextPeriodAlsoWhenNobodyPicked) {
    RunFolder folder;
    folder.WriteLines("zrp.cfg", {"Season", "WEEK1", "Dallas at Washington", " Miami at Buffalo ", "Denver at Oakland",
                                  "Detroit at Chicago", "WEEK2", "Rams at Jets"});
    folder.WriteUsers({Player("admin@pool", "BOSS", "ADMINISTRATOR"), Player("a@pool", "ANN"), Player("b@pool", "BOB"),
                       Player("c@pool", "CY"), Player("d@pool", "DEE", "DELETE")});
    folder.WriteLines("ZRPpicks1_.dat", {"ann", "0110", "30", "BOB", "0105", "41", "DEE", "0115", "35"});
    folder.WriteLines("ZRPOverAllWinners.dat", {"BOB", "7", " ", "DEE", "5", " "});
    R().Action = "ENTERWINNERSFINAL";
    R().Uwp = "0115";
    R().TieBreaker = "35";
    UpdateWinnerForThisWeek();
    EXPECT_EQ(folder.Read("ZRPwinners1_.dat"), JoinTextLines({"ANN", "4", "1", "BOB", "3", "1"}));
    const std::string overall = folder.Read("ZRPOverAllWinners.dat");
    EXPECT_EQ(overall, "BOB\r\n10\r\n \r\nDEE\r\n5\r\n \r\nANN\r\n4\r\n \r\n");
    EXPECT_EQ(folder.Read("ZRPteams1_.dat"),
              "Dallas,Washington\r\nMiami,Buffalo\r\nDenver,Oakland\r\nDetroit,Chicago\r\n");
    EXPECT_EQ(folder.Read("ZRPpicks1W_.dat"), JoinTextLines({"0115", "35"}));
    EXPECT_EQ(folder.Read("ZRPweek.dat"), JoinTextLines({"2", "1", "2"}));
    // Nobody picked in period 2: no standings change, yet the pool moves on.
    UpdateWinnerForThisWeek();
    EXPECT_FALSE(folder.Exists("ZRPwinners2_.dat"));
    EXPECT_EQ(folder.Read("ZRPOverAllWinners.dat"), overall);
    EXPECT_EQ(folder.Read("ZRPweek.dat"), JoinTextLines({"3", "1", "2"}));
}

// Large tied tops: the tie-break compared with the plain one on random
// period files whose top is shared by up to 160 records.
TEST(TieBreakCompared, AwardsTheSameWhateverTheNumberOfTiedLeaders) {
    const char* const guesses[] = {"", "abc", "0", "34", "35", "36", "40", "99", "7"};
    int completed = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 random(seed);
        std::vector<std::string> period, picks, overall;
        size_t records = 1 + random() % 160, firstBelow = random() % 170;
        for (size_t n = 0; n < records; ++n) {
            std::string name = "P" + std::to_string(n);
            std::string points = n < firstBelow ? (random() % 2 ? "3" : " 3") : std::to_string(random() % 3);
            period.insert(period.end(), {name, points, "1"});
            overall.insert(overall.end(), {name, std::to_string(random() % 9), " "});
            if (random() % 10 == 0) continue;  // a leader without a picks record
            auto at = picks.begin() + 3 * static_cast<long>(random() % (picks.size() / 3 + 1));
            picks.insert(at, {random() % 2 ? name : LCase(name), "0", guesses[random() % 9]});
        }
        RandomPool pool;
        pool.Folder = {{"ZRPwinners1_.dat", JoinTextLines(period)},
                       {"ZRPpicks1_.dat", JoinTextLines(picks)},
                       {"ZRPOverAllWinners.dat", JoinTextLines(overall)}};
        pool.Actual = std::to_string(30 + random() % 10);
        auto plain = +[] {
            R().CurrentWeek = "1";
            literal::TieBreak(R().TieBreaker);
        };
        auto award = +[] {
            R().CurrentWeek = "1";
            StandingsFile period(PeriodWinnersFilePath("1"));
            StandingsFile overall(OverallWinnersFilePath());
            AwardTieBreak(R().TieBreaker, period, overall, PicksFile(PicksFilePath("1")));
            period.Save();
            overall.Save();
        };
        auto expected = Score(pool, 1, plain);
        auto got = Score(pool, 1, award);
        ASSERT_EQ(got.first, expected.first) << "seed " << seed;
        ASSERT_EQ(got.second, expected.second) << "seed " << seed;
        completed += expected.first == 0;
    }
    EXPECT_GT(completed, 100);
}
