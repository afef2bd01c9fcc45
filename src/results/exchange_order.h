// The order in which the standings sort leaves its records.
#pragma once

#include <cstddef>
#include <vector>

// The final order (indexes into values) of the exchange sort that, for i from
// first to last but one and j from i to last, swaps i and j when value i is
// less than value j. Computed in O(n log n) rather than by the swaps.
std::vector<size_t> ExchangeSortOrder(const std::vector<double>& values);
