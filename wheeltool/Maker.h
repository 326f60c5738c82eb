#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "CoverSearch.h"
#include "Portfolio.h"

namespace trimel::wheels {

// How a wheel is searched: left to choose, the tool picks what works best
// for the guarantee and size.
enum class Method { Choose, Anneal, Weighted, Threshold, Orbits };

struct MakeRequest {
    int v = 0;            // numbers
    int t = 3;            // guarantee
    int tickets = 0;      // stop at this size; 0: at the smallest known size
    double seconds = 60;  // time for the whole search
    std::uint64_t seed = 1;
    int split = -1;  // numbers of the "3 if 3" side; -1: the best known split, 0: none
    Tickets start;   // a wheel to shrink further instead of a greedy start
    Method method = Method::Choose;
    int jobs = 1;                      // searches at once, one per core
    std::optional<NumberGroup> group;  // the orbit search's only group, where it fits
};

// What the search reports while it runs: the stage ("3 из 3 на 22
// числах", …) and its state.
using MakeProgress = std::function<void(const std::string& stage, const SearchProgress&)>;

// The searches `make` runs at once on `jobs` cores: the method asked for on
// every core, or left to choose, a portfolio of what works best for the
// problem.
std::vector<SearchMethod> searchesFor(Method method, int jobs, const CoverSpec& problem);

// Builds a small wheel "t if 6" on v numbers: the split into "3 if 3" and
// "3 if 4" sides for guarantee 3 on 19 numbers or more (Steiner systems
// where they fit), annealing otherwise, and of the whole wheel after the
// split when asked for fewer tickets than it gave. A start wheel made by
// the split is shrunk side by side. The result covers, but is checked by
// the caller.
Tickets makeWheel(const MakeRequest& request, const std::atomic<bool>* stop,
                  const MakeProgress& progress);

// The split a request uses: the "3 if 3" side's numbers, 0 for none; for
// a start wheel, the split it was made by.
int splitOf(const MakeRequest& request);

}  // namespace trimel::wheels
