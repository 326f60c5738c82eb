#include "Maker.h"

#include <chrono>

#include "Binomial.h"
#include "OrbitSearch.h"
#include "Portfolio.h"
#include "Steiner.h"
#include "Targets.h"
#include "ThresholdSearch.h"
#include "WeightedSearch.h"

namespace trimel::wheels {

namespace {

// Below this many numbers annealing reaches the known "3 if 6" sizes by itself.
constexpr int kSplitFrom = 19;

using Clock = std::chrono::steady_clock;

class Budget {
  public:
    explicit Budget(double seconds) : end_(seconds) {}
    double left() const {
        return std::max(0.0, end_ - std::chrono::duration<double>(Clock::now() - begin_).count());
    }

  private:
    Clock::time_point begin_ = Clock::now();
    double end_;
};

SearchLimits limitsFor(int target, double seconds, const std::atomic<bool>* stop,
                       const MakeProgress& progress, const std::string& stage) {
    SearchLimits l;
    l.target = std::max(target, 1);
    l.seconds = seconds;
    l.stop = stop;
    if (progress) l.progress = [progress, stage](const SearchProgress& p) { progress(stage, p); };
    return l;
}

SearchMethod methodFor(Method method) {
    switch (method) {
        case Method::Anneal:
            return searchCovering;
        case Method::Threshold:
            return thresholdSearch;
        case Method::Orbits:
            return orbitSearch;
        default:
            return weightedSearch;
    }
}

}  // namespace

// Left to choose: the method that reaches the smallest wheels in the
// benchmark for this kind of covering, and another beside it on every
// third core, since no one method wins every case.
std::vector<SearchMethod> searchesFor(Method method, int jobs, const CoverSpec& problem) {
    // The orbit search reaches the smallest wheels of all; beside it, the
    // weighted search for "5 if 6" and the adaptive acceptance wherever a
    // ticket serves more draws.
    const SearchMethod first = orbitSearch;
    const SearchMethod second =
        problem.p == kTicketSize && problem.t == 5 ? weightedSearch : thresholdSearch;
    std::vector<SearchMethod> methods;
    for (int i = 0; i < std::max(jobs, 1); ++i) {
        if (method != Method::Choose)
            methods.push_back(methodFor(method));
        else
            methods.push_back(i % 3 == 2 ? second : first);
    }
    return methods;
}

namespace {

// The search a request asks for, on as many cores as it grants.
Tickets search(const MakeRequest& r, const CoverSpec& problem, Tickets start, SearchLimits limits,
               std::uint64_t seed) {
    limits.group = r.group;
    return searchInParallel(searchesFor(r.method, r.jobs, problem), problem, start, limits, seed);
}

// Annealing on one side of the split, from `start` when it has tickets.
Tickets side(const MakeRequest& r, const CoverSpec& problem, Tickets start, int target,
             double seconds, std::uint64_t seed, const std::atomic<bool>* stop,
             const MakeProgress& progress) {
    const std::string stage =
        "3 из " + std::to_string(problem.p) + " на " + std::to_string(problem.v);
    return search(r, problem, std::move(start), limitsFor(target, seconds, stop, progress, stage),
                  seed);
}

// The split a wheel was made by: every ticket within the first a numbers or
// within the rest, the first a covering every three of them and the rest
// a "3 if 4" wheel. 0 when it is no such wheel.
int splitOfWheel(const Tickets& wheel, int v) {
    for (int a = kTicketSize; v - a >= kTicketSize; ++a) {
        const std::uint64_t low = (std::uint64_t{1} << a) - 1;
        Tickets left, right;
        for (std::uint64_t m : wheel) {
            if ((m & ~low) == 0)
                left.push_back(m);
            else if ((m & low) == 0)
                right.push_back(m >> a);
        }
        if (left.size() + right.size() == wheel.size() && uncoveredCount({a, 3, 3}, left) == 0 &&
            uncoveredCount({v - a, 4, 3}, right) == 0)
            return a;
    }
    return 0;
}

// A wheel by the split at a, from the sides of `start` where it has them.
Tickets splitWheel(const MakeRequest& r, int a, const Tickets& start, double seconds,
                   const std::atomic<bool>* stop, const MakeProgress& progress) {
    const Budget budget(seconds);
    const int b = r.v - a;
    Tickets left, right;
    for (std::uint64_t m : start) {
        if (m >> a)
            right.push_back(m >> a);
        else
            left.push_back(m);
    }
    // The "3 if 3" side is quick or a Steiner system; the "3 if 4" side takes the time.
    if (left.empty() && (a == 21 || a == 22)) left = restrictCovering(steiner22(), a);
    if (left.empty() && (a == 25 || a == 26)) left = restrictCovering(steiner26(), a);
    left =
        side(r, {a, 3, 3}, left, knownCoveringSize(a), budget.left() / 4, r.seed, stop, progress);
    right = side(r, {b, 4, 3}, right, knownThreeIfFourSize(b), budget.left(), r.seed + 1, stop,
                 progress);
    for (std::uint64_t m : right) left.push_back(m << a);
    return left;
}

}  // namespace

int splitOf(const MakeRequest& r) {
    if (r.t != 3) return 0;
    if (!r.start.empty()) return splitOfWheel(r.start, r.v);
    if (r.split >= 0) return r.split;
    return r.v >= kSplitFrom ? bestSplit(r.v).a : 0;
}

Tickets makeWheel(const MakeRequest& r, const std::atomic<bool>* stop,
                  const MakeProgress& progress) {
    const Budget budget(r.seconds);
    const int target = r.tickets > 0 ? r.tickets : knownWheelSize(r.v, r.t);
    Tickets start = r.start;
    if (const int a = splitOf(r); a > 0) {
        // With 22 numbers on the "3 if 3" side (a Steiner system) the "3 if 4"
        // side is small and annealing gets close to its best size, where
        // the best known split may need sides it does not reach: left to
        // choose, the tool tries both.
        const bool tryTwo = r.start.empty() && r.split < 0 && a != 22 && r.v - 22 >= kTicketSize;
        start = splitWheel(r, a, r.start, budget.left() / (tryTwo ? 2 : 1), stop, progress);
        if (tryTwo && static_cast<int>(start.size()) > target) {
            const Tickets other = splitWheel(r, 22, {}, budget.left(), stop, progress);
            if (other.size() < start.size()) start = other;
        }
        // Annealing the whole wheel is slow for many numbers: only when asked
        // for fewer tickets than the split gave.
        if (r.tickets == 0 || static_cast<int>(start.size()) <= target || budget.left() <= 0)
            return start;
    }
    return search(
        r, {r.v, 6, r.t}, start,
        limitsFor(target, budget.left(), stop, progress, "гарантия " + std::to_string(r.t)),
        r.seed + 2);
}

}  // namespace trimel::wheels
