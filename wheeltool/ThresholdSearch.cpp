#include "ThresholdSearch.h"

#include <chrono>

#include "CoverState.h"

namespace trimel::wheels {

namespace {

using namespace detail;

// How much longer than it usually takes the search waits at one count
// before it gives way uphill.
constexpr double kPatience = 10;
// The wait at a count not yet left downhill.
constexpr double kFirstWait = 50;

}  // namespace

Tickets thresholdSearch(const CoverSpec& problem, Tickets start, const SearchLimits& limits,
                        std::uint64_t seed) {
    if (problem.v <= kTicketSize) return {allOf(problem.v)};
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

    std::vector<double> usual;  // per uncovered count: tries it took to leave it downhill
    double tries = 0;
    double nextReport = 1;
    for (std::int64_t moves = 0;; ++moves) {
        if (st.cost() == 0) {
            if (best.empty() || st.size() < static_cast<int>(best.size())) best = st.tickets();
            if (st.size() <= limits.target || st.size() <= 1) break;
            st.remove(st.weakest());
            tries = 0;
            continue;
        }
        if ((moves & 255) == 0) {
            if (limits.stop && limits.stop->load()) break;
            const double now = elapsed();
            if (now >= limits.seconds) break;
            if (limits.progress && now >= nextReport) {
                limits.progress({st.size(), st.cost(), static_cast<int>(best.size()), now});
                nextReport = now + 1;
            }
        }
        const auto level = static_cast<std::size_t>(st.cost());
        if (usual.size() <= level) usual.resize(level + 1, 0);
        const std::int64_t delta = st.propose();
        ++tries;
        if (delta < 0) {
            double& u = usual[level];
            u = u == 0 ? tries : 0.9 * u + 0.1 * tries;
            tries = 0;
            st.commit();
        } else if (delta == 0) {
            st.commit();
        } else if (tries > kPatience * (usual[level] == 0 ? kFirstWait : usual[level])) {
            tries = 0;
            st.commit();
        }
    }
    return best.empty() ? start : best;
}

}  // namespace trimel::wheels
