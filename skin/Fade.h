#pragma once

#include "skin/Image24.h"

namespace trimel::skin {

// The weight of the image being left at a step of a fade of `iterations`
// steps (above 0): 255 at step 0, 0 at the last step.
int fadeWeight(int step, int iterations);

// One frame of a cross-fade: per channel w·a/256 + b − w·b/256, each
// product rounded down. `out` takes the size of `a`, which `b` shares.
void fadeFrame(const Image24& a, const Image24& b, int w, Image24& out);

}  // namespace trimel::skin
