#include "Expansion.h"

#include <algorithm>

namespace trimel {

void expandWheel(const PartWheel& wheel, int positions, const PartList& list,
                 std::vector<ExpandedTicket>& out) {
    const int tickets = std::min(wheel.ticketCount, static_cast<int>(out.size()) - 1);
    positions = std::clamp(positions, 0, kTicketPositions);
    for (int t = 1; t <= tickets; ++t) {
        ExpandedTicket& e = out[static_cast<std::size_t>(t)];
        for (int p = 1; p <= positions; ++p)
            e[static_cast<std::size_t>(p)] = numberAt(list, wheel.position(t, p));
    }
}

}  // namespace trimel
