#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace trimel::wheels {

// How many 6-subsets of the numbers 0..v-1 meet some ticket (a bit mask
// over the numbers) in `threshold` numbers or more, and the first few that
// do not, in lexicographic order.
struct ReachCount {
    std::uint64_t total = 0;  // C(v, 6)
    std::uint64_t reached = 0;
    std::vector<std::uint64_t> firstMissed;
};

// Walks the 6-subsets depth-first with per-ticket intersection counts and
// counts a whole subtree at once when its prefix already completes a
// ticket; v ≤ 64.
ReachCount countReached(int v, std::span<const std::uint64_t> tickets, int threshold,
                        std::size_t keepMissed);

// The figures `check` reports for a wheel "t if 6" on v numbers.
struct WheelFigures {
    ReachCount guarantee;           // 6-subsets meeting some ticket in t or more
    std::uint64_t beyond = 0;       // … in t + 1 or more
    int leastUse = 0, mostUse = 0;  // tickets per number, fewest and most
    bool holds() const { return guarantee.reached == guarantee.total; }
};

WheelFigures checkWheel(int v, int t, std::span<const std::uint64_t> tickets,
                        std::size_t keepMissed = 5);

}  // namespace trimel::wheels
