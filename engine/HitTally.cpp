#include "HitTally.h"

#include <array>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TRIMEL_POPCNT_TARGET __attribute__((target("popcnt")))
#define TRIMEL_POPCNT_DISPATCH 1
#else
#define TRIMEL_POPCNT_TARGET
#define TRIMEL_POPCNT_DISPATCH 0
#endif

namespace trimel {

namespace {

// Four tallies taken in turn, so that consecutive tickets with the same
// hits do not wait on each other's increment. Inlined into each caller, so
// the popcount builtin becomes the caller's instruction.
template <bool Narrow>
inline __attribute__((always_inline)) void tally(std::span<const PositionMask> tickets,
                                                 PositionMask drawn, Histogram& hist) {
    std::array<std::array<std::int32_t, 8>, 4> bins{};
    const std::size_t n = tickets.size();
    for (std::size_t t = 0; t < n; ++t) {
        const PositionMask& m = tickets[t];
        int h = __builtin_popcountll(m.lo & drawn.lo);
        if constexpr (!Narrow) h += __builtin_popcountll(m.hi & drawn.hi);
        ++bins[t & 3][static_cast<std::size_t>(h < 7 ? h : 7)];  // bin 7: counted nowhere
    }
    for (std::size_t b = 0; b <= 6; ++b)
        hist[b] += bins[0][b] + bins[1][b] + bins[2][b] + bins[3][b];
}

}  // namespace

void tallyHitsPortable(std::span<const PositionMask> tickets, PositionMask drawn, bool narrow,
                       Histogram& hist) {
    if (narrow)
        tally<true>(tickets, drawn, hist);
    else
        tally<false>(tickets, drawn, hist);
}

TRIMEL_POPCNT_TARGET void tallyHitsPopcount(std::span<const PositionMask> tickets,
                                            PositionMask drawn, bool narrow, Histogram& hist) {
    if (narrow)
        tally<true>(tickets, drawn, hist);
    else
        tally<false>(tickets, drawn, hist);
}

bool hasPopcountInstruction() {
#if TRIMEL_POPCNT_DISPATCH
    static const bool has = __builtin_cpu_supports("popcnt");
    return has;
#else
    return true;  // elsewhere the compiler's own choice is the best there is
#endif
}

void tallyHits(std::span<const PositionMask> tickets, PositionMask drawn, bool narrow,
               Histogram& hist) {
    if (hasPopcountInstruction())
        tallyHitsPopcount(tickets, drawn, narrow, hist);
    else
        tallyHitsPortable(tickets, drawn, narrow, hist);
}

}  // namespace trimel
