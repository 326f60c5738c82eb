#pragma once

#include <vector>

#include "CoverSearch.h"

namespace trimel::wheels {

// A search with the contract of searchCovering.
using SearchMethod = Tickets (*)(const CoverSpec&, Tickets, const SearchLimits&, std::uint64_t);

// Runs one search per entry of `methods` at once, each on its own thread
// and seed, from the same start, and returns the smallest covering found.
// All stop when one reaches the target, when the time is up or when
// `limits.stop` is set. Progress reports the best of all of them.
Tickets searchInParallel(const std::vector<SearchMethod>& methods, const CoverSpec& problem,
                         const Tickets& start, const SearchLimits& limits, std::uint64_t seed);

}  // namespace trimel::wheels
