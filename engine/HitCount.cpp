#include "HitCount.h"

#include <algorithm>
#include <bit>

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

HitCounter::HitCounter() = default;

void HitCounter::prepare(const PartWheel& wheel, int positions) {
    tickets_ = std::clamp(wheel.ticketCount, 0, kMaxTickets);
    positions = std::clamp(positions, 0, kTicketPositions);
    used_.clear();
    int highest = 0;
    const auto maskOf = [&](int t) {
        PositionMask mask;
        for (int p = 1; p <= positions; ++p) {
            const std::int32_t v = wheel.position(t, p);
            if (!isListPosition(v)) continue;
            used_.add(v);
            highest = std::max(highest, v);
            if (v < 64)
                mask.lo |= std::uint64_t{1} << v;
            else
                mask.hi |= std::uint64_t{1} << (v - 64);
        }
        return mask;
    };
    for (int t = 1; t <= tickets_; ++t) maskOf(t);

    const auto count = static_cast<std::size_t>(tickets_);
    positions32_.resize(highest < 32 ? count : 0);
    positions64_.resize(highest >= 32 && highest < 64 ? count : 0);
    positions128_.resize(highest >= 64 ? count : 0);
    for (int t = 1; t <= tickets_; ++t) {
        const PositionMask mask = maskOf(t);
        const auto i = static_cast<std::size_t>(t - 1);
        if (highest < 32)
            positions32_[i] = static_cast<std::uint32_t>(mask.lo);
        else if (highest < 64)
            positions64_[i] = mask.lo;
        else
            positions128_[i] = mask;
    }
}

PositionMask HitCounter::positionsOf(int t) const {
    const auto i = static_cast<std::size_t>(t - 1);
    if (!positions32_.empty()) return {positions32_[i], 0};
    if (!positions64_.empty()) return {positions64_[i], 0};
    return positions128_[i];
}

void HitCounter::count(const PartList& list, const DrawnNumbers& drawn, Histogram& hist) const {
    if (tickets_ == 0) return;

    // The list positions holding a drawn number; position 0, no number,
    // never does.
    PositionMask drawnAt;
    NumberSet seen;
    bool listRepeats = false;
    used_.forEach([&](int v) {
        const std::int32_t x = list[static_cast<std::size_t>(v)];
        if (!drawn.set.contains(x)) return;
        if (seen.contains(x)) listRepeats = true;
        seen.add(x);
        if (v < 64)
            drawnAt.lo |= std::uint64_t{1} << v;
        else
            drawnAt.hi |= std::uint64_t{1} << (v - 64);
    });

    if (!drawn.repeats && !listRepeats) {
        if (!positions32_.empty())
            tallyHits<std::uint32_t>(positions32_, static_cast<std::uint32_t>(drawnAt.lo), hist);
        else if (!positions64_.empty())
            tallyHits<std::uint64_t>(positions64_, drawnAt.lo, hist);
        else
            tallyHits<PositionMask>(positions128_, drawnAt, hist);
        return;
    }
    for (int t = 1; t <= tickets_; ++t) {
        const int h = ticketHitsOneByOne(t, list, drawn);
        if (h >= 0 && h <= 6) ++hist[static_cast<std::size_t>(h)];
    }
}

int HitCounter::ticketHitsOneByOne(int t, const PartList& list, const DrawnNumbers& drawn) const {
    const PositionMask mask = positionsOf(t);
    NumberSet ticket;
    for (std::uint64_t b = mask.lo; b != 0; b &= b - 1)
        ticket.add(list[static_cast<std::size_t>(std::countr_zero(b))]);
    for (std::uint64_t b = mask.hi; b != 0; b &= b - 1)
        ticket.add(list[static_cast<std::size_t>(64 + std::countr_zero(b))]);
    int hits = 0;
    for (int p = 1; p <= drawn.count; ++p)
        if (ticket.contains(drawn.draw.numbers[static_cast<std::size_t>(p)])) ++hits;
    return hits;
}

}  // namespace trimel
