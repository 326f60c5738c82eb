#include "HitTally.h"

#include <array>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TRIMEL_POPCNT_DISPATCH 1
#else
#define TRIMEL_POPCNT_DISPATCH 0
#endif

#define TRIMEL_INLINE inline __attribute__((always_inline))

namespace trimel {

namespace {

// Inlined into each caller, so the popcount builtins become the caller's
// instruction.
TRIMEL_INLINE int sharedBits(std::uint32_t a, std::uint32_t b) {
    return __builtin_popcount(a & b);
}
TRIMEL_INLINE int sharedBits(std::uint64_t a, std::uint64_t b) {
    return __builtin_popcountll(a & b);
}
TRIMEL_INLINE int sharedBits(const PositionMask& a, const PositionMask& b) {
    return __builtin_popcountll(a.lo & b.lo) + __builtin_popcountll(a.hi & b.hi);
}

// Four tallies taken in turn, so that consecutive tickets with the same
// hits do not wait on each other's increment.
template <class Mask>
TRIMEL_INLINE void tally(std::span<const Mask> tickets, const Mask& drawn, Histogram& hist) {
    std::array<std::array<std::int32_t, 8>, 4> bins{};
    const std::size_t n = tickets.size();
    for (std::size_t t = 0; t < n; ++t) {
        const int h = sharedBits(tickets[t], drawn);
        ++bins[t & 3][static_cast<std::size_t>(h < 7 ? h : 7)];  // bin 7: counted nowhere
    }
    for (std::size_t b = 0; b <= 6; ++b)
        hist[b] += bins[0][b] + bins[1][b] + bins[2][b] + bins[3][b];
}

}  // namespace

template <class Mask>
void tallyHitsPortable(std::span<const Mask> tickets, Mask drawn, Histogram& hist) {
    tally(tickets, drawn, hist);
}

template <class Mask>
TRIMEL_POPCNT_TARGET void tallyHitsPopcount(std::span<const Mask> tickets, Mask drawn,
                                            Histogram& hist) {
    tally(tickets, drawn, hist);
}

bool hasPopcountInstruction() {
#if TRIMEL_POPCNT_DISPATCH
    static const bool has = __builtin_cpu_supports("popcnt");
    return has;
#else
    return true;  // elsewhere the compiler's own choice is the best there is
#endif
}

template <class Mask>
void tallyHits(std::span<const Mask> tickets, Mask drawn, Histogram& hist) {
    if (hasPopcountInstruction())
        tallyHitsPopcount(tickets, drawn, hist);
    else
        tallyHitsPortable(tickets, drawn, hist);
}

#define TRIMEL_TALLY_FOR(Mask)                                                      \
    template void tallyHits<Mask>(std::span<const Mask>, Mask, Histogram&);         \
    template void tallyHitsPortable<Mask>(std::span<const Mask>, Mask, Histogram&); \
    template void tallyHitsPopcount<Mask>(std::span<const Mask>, Mask, Histogram&);
TRIMEL_TALLY_FOR(std::uint32_t)
TRIMEL_TALLY_FOR(std::uint64_t)
TRIMEL_TALLY_FOR(PositionMask)

}  // namespace trimel
