#pragma once

#include <cstdint>

#include "PartChoice.h"

namespace trimel {

// Whether the pass and the forecast can choose their parts with these
// sizes: every drawing of distinct numbers finds a free number and every
// list that is written fits its 100 positions. The sum check comes first;
// this covers what it lets through.
bool partSizesCanBeMet(std::int32_t n, std::int32_t p1, std::int32_t p2,
                       std::int32_t firstWheelNumbers, const Favourites& favourites);

}  // namespace trimel
