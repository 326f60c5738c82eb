#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "NumberSet.h"
#include "Random.h"
#include "domain/Limits.h"

namespace trimel {

// A part's ordered number list, positions 1..100 (entry 0 unused).
using PartList = std::array<std::int32_t, kPartListSize + 1>;
// One expanded ticket: the lottery numbers of positions 1..6.
using ExpandedTicket = std::array<std::int32_t, kTicketPositions + 1>;
// Counters by bin 0..6.
using Histogram = std::array<std::int32_t, 7>;

// The engine's working data. Allocated once with the engine and kept from
// one draw and one run to the next; each item is rebuilt or zeroed only at
// its own step, so entries a step does not reach keep older values (a
// ticket pointing past the numbers chosen reads what an earlier draw or
// run left there). Index 0 of each pair is the first part, 1 the second.
struct WorkTables {
    Random random;
    NumberSet chosen;                   // numbers taken in the current choice
    std::array<PartList, 2> lists{};    // part number lists
    std::array<NumberSet, 2> partSets;  // the current draw's part sets
    // Expanded tickets 1..10000 of each wheel, so no wheel is too large.
    std::array<std::vector<ExpandedTicket>, 2> expanded{
        std::vector<ExpandedTicket>(kMaxTickets + 1), std::vector<ExpandedTicket>(kMaxTickets + 1)};
    std::array<Histogram, 2> hits{};        // tickets by hits, current draw
    std::array<std::int32_t, 2> inPart{};   // drawn numbers in each part, current draw
    std::array<Histogram, 2> spread{};      // draws by drawn-in-part count, whole run
    std::array<std::int32_t, 10> totals{};  // hits grid columns 1..5 and 7..11
};

}  // namespace trimel
