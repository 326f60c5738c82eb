#include "ThresholdSearch.h"

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
    CoverState st(problem, seed);
    if (start.empty())
        start = greedyOn(st, problem);
    else
        for (std::uint64_t m : start) st.add(m);

    std::vector<double> usual;  // per uncovered count: tries it took to leave it downhill
    double tries = 0;
    const auto step = [&](std::int64_t) {
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
    };
    const auto drop = [&] {
        st.remove(st.weakest());
        tries = 0;
    };
    return searchAtFixedCount(st, start, limits, 256, step, drop);
}

}  // namespace trimel::wheels
