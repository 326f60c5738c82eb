#include "skin/Gradient.h"

#include <algorithm>
#include <cmath>

#include "domain/IntText.h"

namespace trimel::skin {

namespace {

std::vector<std::string_view> values(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        if (end > start) out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

std::uint8_t channel(double v) {
    // nearbyint rounds ties to even in the default rounding mode.
    return static_cast<std::uint8_t>(std::clamp(std::nearbyint(v), 0.0, 255.0));
}

}  // namespace

void parseGradient(std::string_view text, std::vector<TsGradientBand>& bands) {
    bands.clear();
    if (text.empty()) return;
    const std::vector<std::string_view> v = values(text);
    bands.resize(v.size() / 5);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        bands[i].startColor = static_cast<TColor>(strToInt(v[5 * i]));
        bands[i].endColor = static_cast<TColor>(strToInt(v[5 * i + 1]));
        bands[i].share = static_cast<std::uint8_t>(strToInt(v[5 * i + 2]));
    }
}

void paintGradient(Image24& image, Box box, const std::vector<TsGradientBand>& bands) {
    const int left = std::max(box.left, 0);
    const int top = std::max(box.top, 0);
    const int right = std::min(box.right, image.width());
    const int bottom = std::min(box.bottom, image.height());
    const int height = bottom - top;
    if (bands.empty() || height <= 0 || right <= left) return;

    int y = top;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const TsGradientBand& band = bands[i];
        const bool last = i + 1 == bands.size();
        int e = last ? image.height() - 1 : y + height * band.share / 100;
        if (e - y <= 0) continue;
        if (last || e > bottom - 1) e = bottom - 1;
        const int steps = e - y;
        if (steps == 0) continue;  // the band starts on the last row
        const Rgb from = rgbOf(band.startColor);
        const Rgb to = rgbOf(band.endColor);
        double r = from.r, g = from.g, b = from.b;
        const double dr = (to.r - r) / steps, dg = (to.g - g) / steps, db = (to.b - b) / steps;
        for (int row = y; row <= e; ++row) {
            const Rgb c{channel(r), channel(g), channel(b)};
            for (int x = left; x < right; ++x) image.setPixel(x, row, c);
            r += dr;
            g += dg;
            b += db;
        }
        y = e;  // the next band paints the shared row again
    }
}

}  // namespace trimel::skin
