#include <gtest/gtest.h>

#include <random>

#include "core/files.h"
#include "results/literal_scoring.h"
#include "results/scoring_folder.h"
#include "results/scoring_run.h"
#include "users/user_file.h"

namespace {

// Small random pools with the awkward cases mixed in: names that equal
// points lines, names in other case, deleted players, guesses that are no
// number, stale .bak files, standings files with lone line feeds or without
// a last line end, broken record counts, repeated runs of the same period.
class RandomPool {
public:
    explicit RandomPool(unsigned seed) : random_(seed) {}

    std::map<std::string, std::string> Files() {
        std::map<std::string, std::string> files;
        size_t games = 1 + Pick(5);
        std::vector<std::string> gameLines = {"WEEK1"};
        for (size_t g = 0; g < games; ++g) gameLines.push_back("T" + std::to_string(g) + " at U" + std::to_string(g));
        gameLines.insert(gameLines.end(), {"WEEK2", "Rams at Jets"});
        files["zrp.cfg"] = JoinTextLines(gameLines);
        if (Chance(30)) files["ZRPweek.dat"] = JoinTextLines({"1", "1", "2"});
        if (Chance(20)) files["ZRPpicks1W_.dat"] = JoinTextLines({Picks(games), "20"});
        if (Chance(90)) files["ZRPform_user.dat"] = Users();
        if (Chance(90)) files["ZRPpicks1_.dat"] = PicksFile(games);
        if (Chance(70)) files["ZRPOverAllWinners.dat"] = Standings(12);
        if (Chance(15)) files["ZRPwinners1_.dat"] = Standings(3);
        if (Chance(20)) files["ZRPOverAllWinners.dat.bak"] = "stale";
        if (Chance(20)) files["ZRPwinners1_.dat.bak"] = "stale";
        return files;
    }
    std::string Uwp() { return Picks(1 + Pick(5)); }
    std::string Actual() { return OneOf({"", "35", " 20", "abc", "0", "38"}); }

private:
    size_t Pick(size_t n) { return random_() % n; }
    bool Chance(unsigned percent) { return random_() % 100 < percent; }
    std::string OneOf(const std::vector<std::string>& texts) { return texts[Pick(texts.size())]; }
    std::string Name() { return OneOf({"ANN", "BOB", "Bob", "CY", "3", "1", "2", " DEE", "EVE ", "X", "FAY"}); }
    std::string Picks(size_t length) {
        std::string picks;
        for (size_t i = 0; i < length; ++i) picks += "015"[Pick(3)];
        return picks;
    }

    std::string Users() {
        if (Chance(5)) return std::string(100, ' ');
        std::string bytes = EncodeUserRecord(Player("boss@pool", Name(), "ADMINISTRATOR"));
        for (size_t n = Pick(10); n > 0; --n) {
            std::string email = Chance(10) ? "" : "p" + std::to_string(n) + "@pool";
            bytes += EncodeUserRecord(Player(email, Name(), OneOf({"USER", "USER", "DELETE", "PENDING"})));
        }
        if (Chance(10)) bytes += "partial";
        return bytes;
    }

    std::string PicksFile(size_t games) {
        std::vector<std::string> lines;
        for (size_t n = Pick(9); n > 0; --n) {
            std::string name = Name();
            if (Chance(30)) name = " " + std::string(1, static_cast<char>(std::tolower(name[name.size() / 2]))) + name;
            lines.insert(lines.end(), {name, Picks(games + Pick(3) - 1), OneOf({"30", "41", "35", "", "abc", "33", " 38 ", "X"})});
        }
        return JoinTextLines(lines);
    }

    std::string Standings(size_t most) {
        std::vector<std::string> lines;
        for (size_t n = Pick(most); n > 0; --n)
            lines.insert(lines.end(), {Name(), OneOf({"0", "3", " 3", "4", "12", "x", "2.5"}), OneOf({" ", "1", "x"})});
        if (Chance(5) && !lines.empty()) lines.pop_back();
        std::string bytes = JoinTextLines(lines);
        if (Chance(10)) bytes = ReplaceAllLineEnds(bytes);
        if (Chance(10) && !bytes.empty()) bytes.resize(bytes.size() - 2);
        return bytes;
    }
    static std::string ReplaceAllLineEnds(std::string bytes) {
        std::string out;
        for (char c : bytes)
            if (c != '\r') out += c;
        return out;
    }

    std::mt19937 random_;
};

// Runs one scoring in a fresh folder holding files; the failure number
// (0 when none) and every file afterwards.
std::pair<int, std::map<std::string, std::string>> Score(const std::map<std::string, std::string>& files,
                                                         const std::string& uwp, const std::string& actual,
                                                         int runs, void (*run)()) {
    ScoringFolder folder;
    for (const auto& [name, bytes] : files) folder.Write(name, bytes);
    int failure = 0;
    for (int n = 0; n < runs && failure == 0; ++n) {
        folder.Enter();
        R().Action = "ENTERWINNERSFINAL";
        R().Uwp = uwp;
        R().TieBreaker = actual;
        failure = FailureOf(run);
    }
    return {failure, folder.Contents()};
}

}  // namespace

TEST(ScoringRunCompared, LeavesEveryFileAsScoringOnePlayerAtATimeWould) {
    int completed = 0;
    for (unsigned seed = 1; seed <= 600; ++seed) {
        RandomPool pool(seed);
        std::map<std::string, std::string> files = pool.Files();
        std::string uwp = pool.Uwp(), actual = pool.Actual();
        int runs = 1 + static_cast<int>(seed % 3 == 0);
        auto expected = Score(files, uwp, actual, runs, literal::ScoringRun);
        auto got = Score(files, uwp, actual, runs, UpdateWinnerForThisWeek);
        ASSERT_EQ(got.first, expected.first) << "seed " << seed;
        if (expected.first != 0) continue;
        ++completed;
        ASSERT_EQ(got.second, expected.second) << "seed " << seed;
    }
    EXPECT_GT(completed, 400);
}
