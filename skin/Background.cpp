#include "skin/Background.h"

namespace trimel::skin {

namespace {

int floorDiv256(int v) {
    return v >= 0 ? v / 256 : -((-v + 255) / 256);
}

}  // namespace

int mixChannel(int c, int x, int g) {
    return c + floorDiv256(g * (x - c));
}

void composeBackground(Image24& image, const std::vector<TsGradientBand>& bands, TPercent percent,
                       TColor plain) {
    const Rgb c = rgbOf(plain);
    if (percent != 0) {
        if (bands.empty())
            image.fill(c);
        else
            paintGradient(image, {0, 0, image.width(), image.height()}, bands);
    }
    if (percent <= 0 || percent > 100) {
        image.fill(c);
        return;
    }
    if (percent == 100) return;
    const int g = percent * 255 / 100;
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* p = image.row(y);
        for (int x = 0; x < image.width(); ++x, p += 3) {
            p[0] = static_cast<std::uint8_t>(mixChannel(c.r, p[0], g));
            p[1] = static_cast<std::uint8_t>(mixChannel(c.g, p[1], g));
            p[2] = static_cast<std::uint8_t>(mixChannel(c.b, p[2], g));
        }
    }
}

}  // namespace trimel::skin
