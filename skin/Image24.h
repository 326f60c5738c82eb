#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trimel::skin {

// A colour as the styles store it: 0x00BBGGRR, red in the lowest byte.
using TColor = std::uint32_t;

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline Rgb rgbOf(TColor c) {
    return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
            static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

inline TColor colorOf(Rgb c) {
    return TColor{c.r} | TColor{c.g} << 8 | TColor{c.b} << 16;
}

// An off-screen 24-bit image: rows of R, G, B bytes, each row padded to a
// multiple of four bytes so that the toolkit can draw it as it stands.
class Image24 {
  public:
    Image24() = default;
    Image24(int width, int height) { resize(width, height); }

    // New contents are black; a resize to the same size keeps the pixels.
    void resize(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    std::size_t stride() const { return stride_; }

    std::uint8_t* row(int y) { return bytes_.data() + static_cast<std::size_t>(y) * stride_; }
    const std::uint8_t* row(int y) const {
        return bytes_.data() + static_cast<std::size_t>(y) * stride_;
    }
    std::uint8_t* bits() { return bytes_.data(); }
    const std::uint8_t* bits() const { return bytes_.data(); }

    Rgb pixel(int x, int y) const {
        const std::uint8_t* p = row(y) + 3 * x;
        return {p[0], p[1], p[2]};
    }
    void setPixel(int x, int y, Rgb c) {
        std::uint8_t* p = row(y) + 3 * x;
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
    }

    void fill(Rgb c);

    // Moves the contents `by` pixels down and right; the rows above and the
    // columns left of the moved picture keep what they held.
    void shiftDownRight(int by);

  private:
    int width_ = 0;
    int height_ = 0;
    std::size_t stride_ = 0;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace trimel::skin
