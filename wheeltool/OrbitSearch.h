#pragma once

#include "CoverSearch.h"
#include "OrbitModel.h"

namespace trimel::wheels {

// Search under a prescribed symmetry: for each group of groupsFor(v) (or
// `limits.group` alone, where its cycles fit the numbers), with
// three quarters of the time shared in proportion to the orbits it leaves,
// the cheapest wheel the group maps onto itself — by branch and cut first
// when the orbits are few, then by weighted local search over orbits — and
// then the smallest of them polished without the group by weightedSearch
// for the rest of the time. A given `start` is only polished. Same contract
// as searchCovering.
Tickets orbitSearch(const CoverSpec& problem, Tickets start, const SearchLimits& limits,
                    std::uint64_t seed);

// Whether the chosen orbits cover every row of the model.
bool coversAll(const OrbitModel& model, const std::vector<int>& chosen);

// A cover built orbit by orbit: for a random uncovered row, the orbit
// covering most uncovered rows per ticket.
std::vector<int> greedyOrbitCover(const OrbitModel& model, std::uint64_t seed);

// The cheapest cover found by weighted local search over orbits from
// `start` (a cover) until `limits` stop it.
std::vector<int> searchOrbitCover(const OrbitModel& model, std::vector<int> start,
                                  const SearchLimits& limits, std::uint64_t seed);

}  // namespace trimel::wheels
