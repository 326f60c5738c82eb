#pragma once

#include <atomic>
#include <vector>

#include "OrbitModel.h"

namespace trimel::wheels {

struct ExactCover {
    std::vector<int> chosen;  // the cheapest cover found; empty when none was
    bool optimal = false;     // proved cheapest under the group
};

// The cheapest choice of orbits covering every row, by branch and cut
// within `seconds`. No start is given: one turns off the solver's own
// heuristics, which find far better covers here.
// Nothing is solved once `stop` is set, also after waiting for another
// solve to end.
ExactCover solveOrbitCover(const OrbitModel& model, double seconds,
                           const std::atomic<bool>* stop = nullptr);

}  // namespace trimel::wheels
