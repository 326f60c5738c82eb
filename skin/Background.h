#pragma once

#include <vector>

#include "skin/Gradient.h"
#include "skin/Image24.h"

namespace trimel::skin {

// The gradient's share of a background in percent, 0 to 100.
using TPercent = int;

// One channel of a background: the plain colour's channel c with the
// painted channel x mixed in at g / 256, rounded toward minus infinity.
int mixChannel(int c, int x, int g);

// Fills the whole image with a look's background: the bands at `percent`
// over the plain colour. No bands paint the plain colour; a percent of 0
// or above 100 leaves only the plain colour, 100 only the bands.
void composeBackground(Image24& image, const std::vector<TsGradientBand>& bands, TPercent percent,
                       TColor plain);

}  // namespace trimel::skin
