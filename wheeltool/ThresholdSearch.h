#pragma once

#include "CoverSearch.h"

namespace trimel::wheels {

// Local search at a fixed ticket count with an acceptance that adapts to
// the problem instead of a cooling schedule: a move that keeps or lowers
// the uncovered count is always made; one that raises it only after as
// many failed tries at the current count as it took, on average, to get
// down from that count before, times a small factor. Same contract as
// searchCovering.
Tickets thresholdSearch(const CoverSpec& problem, Tickets start, const SearchLimits& limits,
                        std::uint64_t seed);

}  // namespace trimel::wheels
