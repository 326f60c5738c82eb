#pragma once

#include <cstdint>
#include <span>

#include "WorkTables.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TRIMEL_POPCNT_TARGET __attribute__((target("popcnt")))
#else
#define TRIMEL_POPCNT_TARGET
#endif

namespace trimel {

// The list positions (0..127) of one ticket, or those that hold a drawn
// number, one bit each. Tickets whose positions all lie below 32 or 64 are
// kept in one 32- or 64-bit word instead, which is all they need.
struct PositionMask {
    std::uint64_t lo = 0;  // positions 0..63
    std::uint64_t hi = 0;  // positions 64..127
};

// Adds each ticket to the bin of its hits, the positions it shares with
// `drawn` (0..6; more count nowhere). Mask is std::uint32_t, std::uint64_t
// or PositionMask.
//
// The counting uses the CPU's popcount instruction where it has one,
// chosen when first called: the baseline x86-64 the distributions build
// for has none, and counting bits without it takes several times longer.
template <class Mask>
void tallyHits(std::span<const Mask> tickets, Mask drawn, Histogram& hist);

// The two ways tallyHits chooses between, for tests; the second only where
// hasPopcountInstruction() says so.
template <class Mask>
void tallyHitsPortable(std::span<const Mask> tickets, Mask drawn, Histogram& hist);
template <class Mask>
TRIMEL_POPCNT_TARGET void tallyHitsPopcount(std::span<const Mask> tickets, Mask drawn,
                                            Histogram& hist);
bool hasPopcountInstruction();

}  // namespace trimel
