#pragma once

#include "CoverSearch.h"

namespace trimel::wheels {

// Weighted local search at a fixed ticket count: every p-subset carries a
// weight, raised while it stays uncovered; each step picks an uncovered
// subset and makes the single-number swap that covers it with the best
// weighted gain, never changing a ticket changed a few steps before. The
// weights pull the search off the plateaus where annealing wanders. When
// everything is covered the wheel is kept and the ticket whose loss weighs
// least dropped. Same contract as searchCovering.
Tickets weightedSearch(const CoverSpec& problem, Tickets start, const SearchLimits& limits,
                       std::uint64_t seed);

}  // namespace trimel::wheels
