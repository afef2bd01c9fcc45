#include "results/exchange_order.h"

#include <algorithm>
#include <numeric>

// Why this gives the swaps' order:
// - A pass moves only the strict left-to-right maxima of the unsorted part:
//   the largest goes to the front, each other one into the place of the next.
// - Hence the elements of value >= v move among themselves just as the sort of
//   that subsequence alone would move them; smaller elements do not matter.
// - In that subsequence an element of value v moves only when it is first of
//   the unsorted part: it jumps into the place of the first larger element,
//   behind the other v's up to there. The v's therefore act as a queue: each
//   joins at the back, and each larger element met after the first v turns
//   the queue by one (front to back).
// The queue is replayed as a sequence of inserts at known indexes plus a start
// offset, and the inserts are placed from last to first into free slots.

namespace {

// Counts over positions 0..n-1, with prefix sums and the k-th set position.
class Fenwick {
public:
    explicit Fenwick(size_t n) : tree_(n + 1, 0) {}
    void Add(size_t at, int delta) {
        for (size_t i = at + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] += delta;
    }
    // Sum over positions [0, end).
    int Prefix(size_t end) const {
        int sum = 0;
        for (size_t i = end; i > 0; i -= i & (~i + 1)) sum += tree_[i];
        return sum;
    }
    // The position holding the k-th (from 1) counted element.
    size_t KthSet(int k) const {
        size_t at = 0, step = 1;
        while (step * 2 < tree_.size()) step *= 2;
        for (; step > 0; step /= 2)
            if (at + step < tree_.size() && tree_[at + step] < k) {
                at += step;
                k -= tree_[at];
            }
        return at;
    }

private:
    std::vector<int> tree_;
};

// The final order of one group of equal values at the given positions (in
// file order); larger holds the positions of all larger values.
std::vector<size_t> GroupOrder(const std::vector<size_t>& at, const Fenwick& larger, size_t n) {
    size_t m = at.size();
    std::vector<size_t> insertAt(m);
    size_t head = 0;  // the queue is slots[head..] followed by slots[..head)
    for (size_t j = 0; j < m; ++j) {
        insertAt[j] = head;  // just before the head: the back of the queue
        size_t size = j + 1;
        head = (head + 1) % size;
        size_t next = j + 1 < m ? at[j + 1] : n;
        head = (head + static_cast<size_t>(larger.Prefix(next) - larger.Prefix(at[j] + 1))) % size;
    }
    std::vector<size_t> slots(m);
    Fenwick free(m);
    for (size_t s = 0; s < m; ++s) free.Add(s, 1);
    for (size_t j = m; j-- > 0;) {
        size_t slot = free.KthSet(static_cast<int>(insertAt[j]) + 1);
        slots[slot] = at[j];
        free.Add(slot, -1);
    }
    std::rotate(slots.begin(), slots.begin() + static_cast<std::ptrdiff_t>(head), slots.end());
    return slots;
}

}  // namespace

std::vector<size_t> ExchangeSortOrder(const std::vector<double>& values) {
    size_t n = values.size();
    std::vector<size_t> byValue(n);
    std::iota(byValue.begin(), byValue.end(), size_t{0});
    std::stable_sort(byValue.begin(), byValue.end(), [&](size_t a, size_t b) { return values[a] > values[b]; });
    std::vector<size_t> order;
    order.reserve(n);
    Fenwick larger(n);
    for (size_t first = 0; first < n;) {
        size_t last = first;
        while (last < n && values[byValue[last]] == values[byValue[first]]) ++last;
        std::vector<size_t> group(byValue.begin() + static_cast<std::ptrdiff_t>(first),
                                  byValue.begin() + static_cast<std::ptrdiff_t>(last));
        std::vector<size_t> placed = GroupOrder(group, larger, n);
        order.insert(order.end(), placed.begin(), placed.end());
        for (size_t at : group) larger.Add(at, 1);
        first = last;
    }
    return order;
}
