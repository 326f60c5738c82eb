#include "skin/Image24.h"

#include <algorithm>
#include <cstring>

namespace trimel::skin {

void Image24::resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    stride_ = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    bytes_.assign(stride_ * static_cast<std::size_t>(height), 0);
}

void Image24::fill(Rgb c) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) setPixel(x, y, c);
}

void Image24::shiftDownRight(int by) {
    if (by <= 0 || by >= width_ || by >= height_) return;
    const std::size_t moved = static_cast<std::size_t>(width_ - by) * 3;
    for (int y = height_ - 1; y >= by; --y) std::memmove(row(y) + 3 * by, row(y - by), moved);
}

}  // namespace trimel::skin
