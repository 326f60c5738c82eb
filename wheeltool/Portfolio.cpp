#include "Portfolio.h"

#include <chrono>
#include <mutex>
#include <thread>

namespace trimel::wheels {

Tickets searchInParallel(const std::vector<SearchMethod>& methods, const CoverSpec& problem,
                         const Tickets& start, const SearchLimits& limits, std::uint64_t seed) {
    if (methods.size() == 1) return methods[0](problem, start, limits, seed);

    std::atomic<bool> halt{false};
    std::atomic<std::size_t> running{methods.size()};
    std::mutex lock;
    int best = 0;  // the smallest covering any search has found
    std::vector<Tickets> found(methods.size());
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < methods.size(); ++i) {
        SearchLimits own = limits;
        own.stop = &halt;
        own.progress = [&, i](const SearchProgress& p) {
            const std::lock_guard guard(lock);
            const bool better = p.best > 0 && (best == 0 || p.best < best);
            if (better) best = p.best;
            // The first search speaks for all, and any that finds a smaller wheel.
            if (limits.progress && (i == 0 || better))
                limits.progress({p.tickets, p.uncovered, best, p.seconds});
        };
        threads.emplace_back([&, i, own] {
            found[i] = methods[i](problem, start, own, seed + 1000003 * i);
            if (static_cast<int>(found[i].size()) <= limits.target &&
                uncoveredCount(problem, found[i]) == 0)
                halt = true;
            --running;
        });
    }
    while (running > 0) {
        if (limits.stop && limits.stop->load()) halt = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    for (std::thread& t : threads) t.join();

    Tickets result = start;
    bool covers = !start.empty() && uncoveredCount(problem, start) == 0;
    for (const Tickets& f : found) {
        if (f.empty() || uncoveredCount(problem, f) != 0) continue;
        if (!covers || f.size() < result.size()) result = f, covers = true;
    }
    return result;
}

}  // namespace trimel::wheels
