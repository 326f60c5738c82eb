#include "skin/Fade.h"

#include <algorithm>

namespace trimel::skin {

int fadeWeight(int step, int iterations) {
    return 255 - step * 255 / iterations;
}

void fadeFrame(const Image24& a, const Image24& b, int w, Image24& out) {
    out.resize(a.width(), a.height());
    const int width = std::min(a.width(), b.width());
    const int height = std::min(a.height(), b.height());
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* pa = a.row(y);
        const std::uint8_t* pb = b.row(y);
        std::uint8_t* po = out.row(y);
        for (int i = 0; i < 3 * width; ++i)
            po[i] = static_cast<std::uint8_t>(w * pa[i] / 256 + pb[i] - w * pb[i] / 256);
    }
}

}  // namespace trimel::skin
