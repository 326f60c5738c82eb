#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "CoverSearch.h"
#include "Groups.h"

namespace trimel::wheels {

// A covering problem under a group: the tickets fall into orbits (the
// columns), the p-subsets too (the rows), and a wheel the group maps onto
// itself is a choice of whole ticket orbits that covers one representative
// of every subset orbit. Its cost is the tickets of the chosen orbits.
struct OrbitModel {
    NumberGroup group;
    Tickets reps;            // one ticket of each orbit
    std::vector<int> sizes;  // and its orbit's tickets
    std::vector<std::int64_t>
        rowStart;  // rows: the orbits covering a subset orbit's representative
    std::vector<int> rowCols;
    std::vector<std::int64_t> colStart;  // columns: the subset orbits an orbit covers
    std::vector<int> colRows;

    int columns() const { return static_cast<int>(reps.size()); }
    int rows() const { return static_cast<int>(rowStart.size()) - 1; }
    std::int64_t cost(const std::vector<int>& chosen) const;
    // Every ticket of the chosen orbits.
    Tickets tickets(const std::vector<int>& chosen) const;
};

// The model of a problem under a group; none when the group leaves more
// than `maxEntries` (row, column) pairs or the tickets are too many to
// tabulate.
std::optional<OrbitModel> buildOrbitModel(const CoverSpec& problem, const NumberGroup& group,
                                          std::int64_t maxEntries);

}  // namespace trimel::wheels
