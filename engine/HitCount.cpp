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
        NumberSet distinct;
        for (int p = 1; p <= positions; ++p) {
            const std::int32_t v = wheel.position(t, p);
            if (isListPosition(v)) distinct.add(v);
        }
        Positions& out = positions_[static_cast<std::size_t>(t)];
        out.fill(0);
        std::size_t k = 0;
        distinct.forEach([&](int v) { out[k++] = static_cast<std::uint8_t>(v); });
        used_ |= distinct;
    }
}

void HitCounter::count(const PartList& list, const DrawnNumbers& drawn, Histogram& hist) const {
    if (tickets_ == 0) return;

    // Entry v is 1 when list position v holds a drawn number; entry 0, no
    // number, never does.
    std::array<std::uint8_t, kPartListSize + 1> drawnAt{};
    NumberSet seen;
    bool listRepeats = false;
    used_.forEach([&](int v) {
        const std::int32_t x = list[static_cast<std::size_t>(v)];
        if (!drawn.set.contains(x)) return;
        if (seen.contains(x)) listRepeats = true;
        seen.add(x);
        drawnAt[static_cast<std::size_t>(v)] = 1;
    });

    if (!drawn.repeats && !listRepeats) {
        // Four tallies taken in turn, so that consecutive tickets with the
        // same hits do not wait on each other's increment.
        std::array<std::array<std::int32_t, 8>, 4> tally{};
        for (int t = 1; t <= tickets_; ++t) {
            const Positions& pos = positions_[static_cast<std::size_t>(t)];
            const int h = drawnAt[pos[0]] + drawnAt[pos[1]] + drawnAt[pos[2]] + drawnAt[pos[3]] +
                          drawnAt[pos[4]] + drawnAt[pos[5]];
            ++tally[static_cast<std::size_t>(t & 3)][static_cast<std::size_t>(h)];
        }
        for (std::size_t b = 0; b <= 6; ++b)
            hist[b] += tally[0][b] + tally[1][b] + tally[2][b] + tally[3][b];
        return;
    }
    for (int t = 1; t <= tickets_; ++t) {
        const int h = ticketHitsOneByOne(t, list, drawn);
        if (h >= 0 && h <= 6) ++hist[static_cast<std::size_t>(h)];
    }
}

int HitCounter::ticketHitsOneByOne(int t, const PartList& list, const DrawnNumbers& drawn) const {
    NumberSet ticket;
    for (std::uint8_t v : positions_[static_cast<std::size_t>(t)])
        if (v != 0) ticket.add(list[v]);
    int hits = 0;
    for (int p = 1; p <= drawn.count; ++p)
        if (ticket.contains(drawn.draw.numbers[static_cast<std::size_t>(p)])) ++hits;
    return hits;
}

}  // namespace trimel
