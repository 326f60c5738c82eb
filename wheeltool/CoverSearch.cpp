#include "CoverSearch.h"

#include <chrono>
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
    using Clock = std::chrono::steady_clock;
    const auto begin = Clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(Clock::now() - begin).count();
    };

    CoverState st(problem, seed);
    if (start.empty())
        start = greedyOn(st, problem);
    else
        for (std::uint64_t m : start) st.add(m);
    Tickets best = st.cost() == 0 ? start : Tickets{};
    Rng& rng = st.rng();

    double temperature = 0, hot = 0;
    double nextReport = 1;
    std::int64_t sinceStart = 0;  // moves since the temperature was last raised
    constexpr std::int64_t kEpoch = 2000;
    std::int64_t moves = 0;
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

    for (;; ++moves) {
        if (st.cost() == 0) {
            if (best.empty() || st.size() < static_cast<int>(best.size())) best = st.tickets();
            if (st.size() <= limits.target || st.size() <= 1) break;
            st.remove(st.weakest());
            continue;
        }
        if (temperature == 0) reheat();
        if ((moves & 255) == 0) {
            if (limits.stop && limits.stop->load()) break;
            const double now = elapsed();
            if (now >= limits.seconds) break;
            if (limits.progress && now >= nextReport) {
                limits.progress({st.size(), st.cost(), static_cast<int>(best.size()), now});
                nextReport = now + 1;
            }
        }
        const std::int64_t delta = st.propose();
        if (delta <= 0 || rng.unit() < std::exp(-static_cast<double>(delta) / temperature))
            st.commit();
        if (++sinceStart % kEpoch == 0) {
            temperature *= 0.97;
            if (temperature < hot / 10) reheat();
        }
    }
    return best.empty() ? start : best;
}

}  // namespace trimel::wheels
