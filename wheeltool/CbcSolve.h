#pragma once

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
ExactCover solveOrbitCover(const OrbitModel& model, double seconds);

}  // namespace trimel::wheels
