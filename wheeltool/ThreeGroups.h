#pragma once

#include <array>

#include "CoverSearch.h"

namespace trimel::wheels {

// "3 if 4" through three groups. Lay the numbers out in three groups in a
// cycle: any four of them hold three of one group, or two of one group and
// one of the next. A covering of just those triples (every such triple in
// some ticket) is therefore a "3 if 4" wheel, and a far smaller problem to
// search than the wheel itself. The groups are 0..a-1, a..a+b-1 and the rest.
CoverSpec threeGroupsProblem(std::array<int, 3> sizes);

}  // namespace trimel::wheels
