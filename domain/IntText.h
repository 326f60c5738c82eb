#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trimel {

// The one conversion from text to integer used for every file field and
// edit: optional leading blanks, an optional sign, then decimal digits or
// hexadecimal ones after $, x, X, 0x or 0X; the value must fit int32.
// Anything else throws ConvertError "'<text>' is not a valid integer value".
std::int32_t strToInt(std::string_view text);

// Non-throwing variant; false when strToInt would throw.
bool tryStrToInt(std::string_view text, std::int32_t& value);

// Plain decimal text without padding.
std::string intToStr(std::int64_t value);

// Columns of a line as the reader cuts them: `count` characters from the
// 1-based column `first`, shorter or empty when the line ends earlier.
std::string_view columns(std::string_view line, int first, int count);

// x / 2 style divisions rounded to the nearest integer, ties to even.
std::int64_t roundHalfEven(double value);

}  // namespace trimel
