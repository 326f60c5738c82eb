#pragma once

#include <cstdint>
#include <span>

#include "WorkTables.h"

namespace trimel {

// The list positions (0..127) of one ticket, or those that hold a drawn
// number, one bit each.
struct PositionMask {
    std::uint64_t lo = 0;  // positions 0..63
    std::uint64_t hi = 0;  // positions 64..127
};

// Adds each ticket to the bin of its hits, the positions it shares with
// `drawn` (0..6; more count nowhere). `narrow` says no ticket uses a
// position past 63, so one word a ticket is counted.
//
// The counting uses the CPU's popcount instruction where it has one,
// chosen when first called: the baseline x86-64 the distributions build
// for has none, and counting bits without it takes several times longer.
void tallyHits(std::span<const PositionMask> tickets, PositionMask drawn, bool narrow,
               Histogram& hist);

// The two ways tallyHits chooses between, for tests; the second only where
// hasPopcountInstruction() says so.
void tallyHitsPortable(std::span<const PositionMask> tickets, PositionMask drawn, bool narrow,
                       Histogram& hist);
void tallyHitsPopcount(std::span<const PositionMask> tickets, PositionMask drawn, bool narrow,
                       Histogram& hist);
bool hasPopcountInstruction();

}  // namespace trimel
