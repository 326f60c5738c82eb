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

// The conversion error's message for a text, which it quotes whole (as a
// message shows it: see visibleText).
std::string convertErrorMessage(std::string_view text);

// Non-throwing variant; false when strToInt would throw.
bool tryStrToInt(std::string_view text, std::int32_t& value);

// strToInt with the common case answered inline: blanks, then at most
// nine decimal digits. Everything else (signs, hex, errors) goes the long way.
inline std::int32_t fieldToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && text.size() - i <= 9) {
        std::uint32_t v = 0;
        for (; i < text.size(); ++i) {
            const unsigned d = static_cast<unsigned char>(text[i]) - unsigned{'0'};
            if (d > 9) return strToInt(text);
            v = v * 10 + d;
        }
        return static_cast<std::int32_t>(v);
    }
    return strToInt(text);
}

// Plain decimal text without padding.
std::string intToStr(std::int64_t value);

// Columns of a line as the reader cuts them: `count` characters from the
// 1-based column `first`, shorter or empty when the line ends earlier.
inline std::string_view columns(std::string_view line, int first, int count) {
    if (first < 1 || count <= 0) return {};
    const auto start = static_cast<std::size_t>(first - 1);
    if (start >= line.size()) return {};
    return line.substr(start, static_cast<std::size_t>(count));
}

// x / 2 style divisions rounded to the nearest integer, ties to even.
std::int64_t roundHalfEven(double value);

}  // namespace trimel
