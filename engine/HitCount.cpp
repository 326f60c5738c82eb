#include "HitCount.h"

#include <algorithm>

#include "Expansion.h"

namespace trimel {

DrawnNumbers::DrawnNumbers(const tyr& d, int n)
    : draw(d), count(std::clamp(n, 0, kMaxDrawNumbers)), repeats(false) {
    for (int p = 1; p <= count; ++p) {
        const std::int32_t x = draw.numbers[static_cast<std::size_t>(p)];
        if (set.contains(x)) repeats = true;
        set.add(x);
    }
}

HitCounter::HitCounter() : positions_(kMaxTickets + 1) {}

void HitCounter::prepare(const PartWheel& wheel, int positions) {
    tickets_ = std::min(wheel.ticketCount, static_cast<int>(positions_.size()) - 1);
    positions = std::clamp(positions, 0, kTicketPositions);
    used_.clear();
    for (int t = 1; t <= tickets_; ++t) {
        NumberSet& s = positions_[static_cast<std::size_t>(t)];
        s.clear();
        for (int p = 1; p <= positions; ++p) {
            const std::int32_t v = wheel.position(t, p);
            if (isListPosition(v)) s.add(v);
        }
        used_ |= s;
    }
}

void HitCounter::count(const PartList& list, const DrawnNumbers& drawn, Histogram& hist) const {
    if (tickets_ == 0) return;

    NumberSet hitPositions;
    NumberSet seen;
    bool listRepeats = false;
    used_.forEach([&](int v) {
        const std::int32_t x = list[static_cast<std::size_t>(v)];
        if (!drawn.set.contains(x)) return;
        if (seen.contains(x)) listRepeats = true;
        seen.add(x);
        hitPositions.add(v);
    });

    if (!drawn.repeats && !listRepeats) {
        for (int t = 1; t <= tickets_; ++t) {
            // At most six positions, so always a bin.
            ++hist[static_cast<std::size_t>(positions_[static_cast<std::size_t>(t)].common(hitPositions))];
        }
        return;
    }
    for (int t = 1; t <= tickets_; ++t) {
        const int h = ticketHitsOneByOne(t, list, drawn);
        if (h >= 0 && h <= 6) ++hist[static_cast<std::size_t>(h)];
    }
}

int HitCounter::ticketHitsOneByOne(int t, const PartList& list, const DrawnNumbers& drawn) const {
    NumberSet ticket;
    positions_[static_cast<std::size_t>(t)].forEach(
        [&](int v) { ticket.add(list[static_cast<std::size_t>(v)]); });
    int hits = 0;
    for (int p = 1; p <= drawn.count; ++p)
        if (ticket.contains(drawn.draw.numbers[static_cast<std::size_t>(p)])) ++hits;
    return hits;
}

}  // namespace trimel
