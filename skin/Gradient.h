#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/Image24.h"

namespace trimel::skin {

// One colour band of a gradient description.
struct TsGradientBand {
    TColor startColor = 0;
    TColor endColor = 0;
    std::uint8_t share = 0;  // percent of the painted height
    std::int32_t reserved1 = 0;
    std::int32_t reserved2 = 0;
    friend bool operator==(const TsGradientBand&, const TsGradientBand&) = default;
};

// Parses a gradient description, values separated by ";" in groups of
// five (start colour, end colour, share, two unread values), into `bands`.
// Empty values do not count and a group left incomplete is ignored. A
// value that is no integer throws ConvertError; `bands` then holds the
// bands read before it and zero bands for the rest.
void parseGradient(std::string_view text, std::vector<TsGradientBand>& bands);

// A rectangle by its edges; right and bottom are exclusive.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Paints the bands top to bottom into `box` of `image`, one colour a row.
// The last band runs to the box's bottom whatever its share.
void paintGradient(Image24& image, Box box, const std::vector<TsGradientBand>& bands);

}  // namespace trimel::skin
