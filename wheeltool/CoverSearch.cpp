#include "CoverSearch.h"

#include <cmath>

#include "CoverState.h"

namespace trimel::wheels {

namespace {

using namespace detail;

bool trivial(const CoverSpec& s) {
    return s.v <= kTicketSize;
}

}  // namespace

std::int64_t uncoveredCount(const CoverSpec& problem, const Tickets& tickets) {
    CoverState st(problem, 0);
    for (std::uint64_t m : tickets) st.add(m);
    return st.cost();
}

Tickets greedyCovering(const CoverSpec& problem, std::uint64_t seed) {
    if (trivial(problem)) return {allOf(problem.v)};
    CoverState st(problem, seed);
    return greedyOn(st, problem);
}

Tickets searchCovering(const CoverSpec& problem, Tickets start, const SearchLimits& limits,
                       std::uint64_t seed) {
    if (trivial(problem)) return {allOf(problem.v)};
    CoverState st(problem, seed);
    if (start.empty())
        start = greedyOn(st, problem);
    else
        for (std::uint64_t m : start) st.add(m);
    Rng& rng = st.rng();

    double temperature = 0, hot = 0;
    std::int64_t sinceStart = 0;  // moves since the temperature was last raised
    constexpr std::int64_t kEpoch = 2000;
    const auto reheat = [&] {
        // Hot enough to let a typical uphill move through one time in 3000.
        double sum = 0;
        int ups = 0;
        for (int i = 0; i < 200; ++i) {
            const std::int64_t d = st.propose();
            if (d > 0) sum += static_cast<double>(d), ++ups;
        }
        hot = ups ? sum / ups / 8 : 1.0;
        temperature = hot;
        sinceStart = 0;
    };
    const auto step = [&](std::int64_t) {
        if (temperature == 0) reheat();
        const std::int64_t delta = st.propose();
        if (delta <= 0 || rng.unit() < std::exp(-static_cast<double>(delta) / temperature))
            st.commit();
        if (++sinceStart % kEpoch == 0) {
            temperature *= 0.97;
            if (temperature < hot / 10) reheat();
        }
    };
    return searchAtFixedCount(st, start, limits, 256, step, [&] { st.remove(st.weakest()); });
}

}  // namespace trimel::wheels
