#include "results/standings.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "core/file_batch.h"
#include "core/files.h"
#include "core/text.h"
#include "results/exchange_order.h"
#include "results/tie_break.h"
#include "support/run_folder.h"

namespace {

// The order the swaps themselves leave.
std::vector<size_t> SwapByHand(const std::vector<double>& values) {
    std::vector<size_t> order(values.size());
    std::iota(order.begin(), order.end(), size_t{0});
    for (size_t i = 0; i + 1 < order.size(); ++i)
        for (size_t j = i; j < order.size(); ++j)
            if (values[order[i]] < values[order[j]]) std::swap(order[i], order[j]);
    return order;
}

}  // namespace

TEST(ExchangeOrder, MatchesTheSwapsOnRandomInputsWithManyTies) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        std::vector<double> values(random() % (round < 15000 ? 12 : 300));
        unsigned spread = 1 + random() % (round % 3 == 0 ? 3 : 20);
        for (double& v : values) v = static_cast<double>(random() % spread);
        ASSERT_EQ(ExchangeSortOrder(values), SwapByHand(values)) << "round " << round;
    }
}

TEST(TieBreak, TheClosestGuessAmongTheLeadersWinsAPointInBothFiles) {
    struct Case {
        std::string period, picks, actual, periodAfter, overallAfter;
    };
    std::vector<Case> cases = {
        // Records of the period; of the picks file (name, no picks, guess); the actual score; the files after.
        // Closest without going over; D's exact guess is no leader's; points tie whatever their blanks.
        {"A/3/1/B/ 3/1/D/2/2", "A//30/B//41/D//35", "35", "A/4/1/B/ 3/1/D/2/2", "B/9/ /A/9/ /D/2/ "},
        // Every guess over: the closest over wins; names match whatever their case.
        {"A/3/1/B/3/1/D/2/2", "a// 40/b//38 ", "35", "B/4/1/A/3/1/D/2/2", "B/10/ /A/8/ /D/2/ "},
        // Equal distances all win; a guess that is no number counts as nought.
        {"A/3/1/B/3/1/D/2/2", "A//33/B//33", "35", "A/4/1/B/4/1/D/2/2", "B/10/ /A/9/ /D/2/ "},
        {"A/3/1/B/3/1/D/2/2", "A//abc/B//30", "35", "B/4/1/A/3/1/D/2/2", "B/10/ /A/8/ /D/2/ "},
        // A single leader gets nothing.
        {"A/5/0/B/4/1", "A//35/B//35", "35", "A/5/0/B/4/1", "B/9/ /A/8/ /D/2/ "},
        // The only record wins with a guess.
        {"A/2/2", "A//70", "35", "A/3/2", "B/9/ /A/9/ /D/2/ "},
        // The best distance stops at the first leader without a guess.
        {"A/3/1/B/3/1/C/3/1", "A//30/B///C//33", "35", "A/4/1/C/4/1/B/3/1", "B/9/ /A/9/ /D/2/ /C/1/ "},
    };
    // 150 leaders tied on top: only the last one's guess is exact.
    Case many{"P0/3/1", "P0//30", "35", "P149/4/1", "B/9/ /A/8/ /D/2/ /P149/1/ "};
    for (int n = 1; n < 150; ++n) {
        std::string name = "/P" + std::to_string(n);
        many.period += name + "/3/1";
        many.picks += name + (n < 149 ? "//30" : "//35");
        if (n < 149) many.periodAfter += name + "/3/1";
    }
    many.periodAfter += "/P0/3/1";
    cases.push_back(many);
    RunFolder folder;
    R().CurrentWeek = "3";
    for (const auto& c : cases) {
        folder.Write("ZRPwinners3_.dat", SlashLines(c.period));
        folder.Write("ZRPOverAllWinners.dat", SlashLines("B/9/ /A/8/ /D/2/ "));
        folder.Write("ZRPpicks3_.dat", SlashLines(c.picks));
        StandingsFile period(folder.PathOf("ZRPwinners3_.dat")), overall(folder.PathOf("ZRPOverAllWinners.dat"));
        AwardTieBreak(c.actual, period, overall, PicksFile(folder.PathOf("ZRPpicks3_.dat")));
        FileBatch batch;
        period.Save(batch);
        overall.Save(batch);
        batch.Commit();
        EXPECT_EQ(folder.Read("ZRPwinners3_.dat"), SlashLines(c.periodAfter)) << c.picks;
        EXPECT_EQ(folder.Read("ZRPOverAllWinners.dat"), SlashLines(c.overallAfter)) << c.picks;
    }
}
