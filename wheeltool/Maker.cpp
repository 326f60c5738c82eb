#include "Maker.h"

#include <chrono>

#include "Steiner.h"
#include "Targets.h"

namespace trimel::wheels {

namespace {

// Below this many numbers annealing reaches the known "3 if 6" sizes by itself.
constexpr int kSplitFrom = 19;

using Clock = std::chrono::steady_clock;

class Budget {
public:
    explicit Budget(double seconds) : end_(seconds) {}
    double left() const { return std::max(0.0, end_ - std::chrono::duration<double>(Clock::now() - begin_).count()); }

private:
    Clock::time_point begin_ = Clock::now();
    double end_;
};

SearchLimits limitsFor(int target, double seconds, const std::atomic<bool>* stop, const MakeProgress& progress,
                       const std::string& stage) {
    SearchLimits l;
    l.target = std::max(target, 1);
    l.seconds = seconds;
    l.stop = stop;
    if (progress) l.progress = [progress, stage](const SearchProgress& p) { progress(stage, p); };
    return l;
}

// "3 if 3" on a numbers: a Steiner system where one fits, else annealing.
Tickets coveringSide(int a, double seconds, std::uint64_t seed, const std::atomic<bool>* stop,
                     const MakeProgress& progress) {
    if (a == 21 || a == 22) return restrictCovering(steiner22(), a);
    if (a == 25 || a == 26) return restrictCovering(steiner26(), a);
    return searchCovering({a, 3, 3}, {},
                          limitsFor(knownCoveringSize(a), seconds, stop, progress,
                                    "3 из 3 на " + std::to_string(a)),
                          seed);
}

}  // namespace

int splitOf(const MakeRequest& r) {
    if (r.t != 3 || !r.start.empty()) return 0;
    if (r.split >= 0) return r.split;
    return r.v >= kSplitFrom ? bestSplit(r.v).a : 0;
}

Tickets makeWheel(const MakeRequest& r, const std::atomic<bool>* stop, const MakeProgress& progress) {
    const Budget budget(r.seconds);
    const int target = r.tickets > 0 ? r.tickets : knownWheelSize(r.v, r.t);
    Tickets start = r.start;
    if (const int a = splitOf(r); a > 0) {
        const int b = r.v - a;
        // The "3 if 3" side is quick; the "3 if 4" side takes the time.
        const Tickets left = coveringSide(a, budget.left() / 4, r.seed, stop, progress);
        const Tickets right = searchCovering(
            {b, 4, 3}, {},
            limitsFor(knownThreeIfFourSize(b), budget.left(), stop, progress, "3 из 4 на " + std::to_string(b)),
            r.seed + 1);
        start = left;
        for (std::uint64_t m : right) start.push_back(m << a);
        if (static_cast<int>(start.size()) <= target || budget.left() <= 0) return start;
    }
    return searchCovering({r.v, 6, r.t}, start,
                          limitsFor(target, budget.left(), stop, progress, "гарантия " + std::to_string(r.t)),
                          r.seed + 2);
}

}  // namespace trimel::wheels
