#pragma once

#include <cstdint>
#include <vector>

#include "RunParts.h"
#include "WorkTables.h"

namespace trimel {

// A ticket position names an entry of the part's list; one outside 1..100
// (0 included) stands for no number: shown as 0, in no set, never a hit.
inline bool isListPosition(std::int32_t v) {
    return v >= 1 && v <= kPartListSize;
}

inline std::int32_t numberAt(const PartList& list, std::int32_t v) {
    return isListPosition(v) ? list[static_cast<std::size_t>(v)] : 0;
}

// Writes positions 1..positions of tickets 1..ticket count with the
// numbers their wheel positions name in the list; the rest of the table
// keeps its older contents.
void expandWheel(const PartWheel& wheel, int positions, const PartList& list,
                 std::vector<ExpandedTicket>& out);

}  // namespace trimel
