#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "Groups.h"

namespace trimel::wheels {

// A covering problem: every p-subset of the numbers 0..v-1 must meet some
// ticket of six numbers in t of them or more. A wheel "t if 6" has p = 6;
// the two sides of the split are "3 if 3" (p = t = 3) and "3 if 4"
// (p = 4, t = 3).
struct CoverSpec {
    int v = 0;
    int p = 6;
    int t = 3;
};

using Tickets = std::vector<std::uint64_t>;  // tickets as bit masks over 0..v-1

struct SearchProgress {
    int tickets = 0;             // tickets of the state being annealed
    std::int64_t uncovered = 0;  // its p-subsets that no ticket covers
    int best = 0;                // tickets of the smallest covering found so far
    double seconds = 0;
};

struct SearchLimits {
    int target = 1;                           // stop once a covering of this many tickets is found
    double seconds = 30;                      // and at the latest after this long
    const std::atomic<bool>* stop = nullptr;  // set elsewhere (Ctrl+C) to stop early
    std::function<void(const SearchProgress&)> progress;  // about once a second
    // The orbit search's only group where its cycles fit the numbers,
    // instead of the groups it picks itself.
    std::optional<NumberGroup> group;
};

// The p-subsets that no ticket covers, counted afresh.
std::int64_t uncoveredCount(const CoverSpec& problem, const Tickets& tickets);

// A covering built ticket by ticket, each the best of a few candidates
// laid over subsets still uncovered.
Tickets greedyCovering(const CoverSpec& problem, std::uint64_t seed);

// The smallest covering found by simulated annealing at a fixed ticket
// count, from `start` (a greedy covering when empty): whenever no p-subset
// is left uncovered the covering is kept and its weakest ticket dropped,
// until `limits.target` tickets or the time is up. When `start` does not
// cover and no covering turns up, `start` is returned as it was.
Tickets searchCovering(const CoverSpec& problem, Tickets start, const SearchLimits& limits,
                       std::uint64_t seed);

}  // namespace trimel::wheels
