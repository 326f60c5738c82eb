#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "HitTally.h"
#include "RunParts.h"
#include "WorkTables.h"
#include "domain/State.h"

namespace trimel {

// One draw's numbers as the hit counting sees them.
struct DrawnNumbers {
    DrawnNumbers(const tyr& draw, int count);

    const tyr& draw;
    int count;      // positions 1..count of the record
    NumberSet set;  // the drawn numbers within the sets' range
    bool repeats;   // a number within that range stands more than once
};

// Counts, for every ticket of a wheel, how many of a draw's positions hold
// a number of the ticket, and tallies the tickets by that count.
//
// A ticket's numbers are the list entries at its positions, so per run
// each ticket is reduced to the set of list positions it uses; per draw
// the positions whose entries were drawn are marked once, and a ticket's
// hits are its marked positions, counted as the bits of an and. That
// equals counting numbers whenever no drawn number stands twice, neither
// in the draw nor in two used positions of the list; otherwise each
// ticket's numbers are counted one by one.
class HitCounter {
  public:
    HitCounter();

    // Builds the position sets of the wheel's tickets for this run.
    void prepare(const PartWheel& wheel, int positions);

    // Adds each ticket's hits to its bin (0..6; more hits count nowhere).
    void count(const PartList& list, const DrawnNumbers& drawn, Histogram& hist) const;

    int tickets() const { return tickets_; }

  private:
    int ticketHitsOneByOne(int t, const PartList& list, const DrawnNumbers& drawn) const;

    PositionMask positionsOf(int t) const;

    // Ticket t's list positions at [t - 1], in the narrowest of the three
    // that holds the highest position used; the other two stay empty.
    std::vector<std::uint32_t> positions32_;
    std::vector<std::uint64_t> positions64_;
    std::vector<PositionMask> positions128_;
    NumberSet used_;  // positions any ticket uses
    int tickets_ = 0;
};

}  // namespace trimel
