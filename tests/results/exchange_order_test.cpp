#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "results/exchange_order.h"

namespace {

// The swaps themselves, for comparison.
std::vector<size_t> SwapByHand(const std::vector<double>& values) {
    std::vector<size_t> order(values.size());
    std::iota(order.begin(), order.end(), size_t{0});
    for (size_t i = 0; i + 1 < order.size(); ++i)
        for (size_t j = i; j < order.size(); ++j)
            if (values[order[i]] < values[order[j]]) std::swap(order[i], order[j]);
    return order;
}

}  // namespace

TEST(ExchangeOrder, EqualValuesEndWhereTheSwapsLeaveThem) {
    // A 1, B 1, C 2 sorts to C 2, B 1, A 1.
    EXPECT_EQ(ExchangeSortOrder({1, 1, 2}), (std::vector<size_t>{2, 1, 0}));
    EXPECT_EQ(ExchangeSortOrder({}), std::vector<size_t>{});
    EXPECT_EQ(ExchangeSortOrder({7}), std::vector<size_t>{0});
}

TEST(ExchangeOrder, MatchesTheSwapsOnRandomInputsWithManyTies) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        size_t n = random() % (round < 15000 ? 12 : 300);
        int spread = 1 + static_cast<int>(random() % (round % 3 == 0 ? 3 : 20));
        std::vector<double> values(n);
        for (double& v : values) v = static_cast<double>(random() % static_cast<unsigned>(spread));
        ASSERT_EQ(ExchangeSortOrder(values), SwapByHand(values)) << "round " << round;
    }
}
