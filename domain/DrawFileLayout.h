#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "IntText.h"

// Where the fields of the draw history file stand. Columns count from 1;
// the characters between fields are not read.
namespace trimel::drawfile {

struct Field {
    int first;  // first column
    int count;  // columns it spans
    constexpr int last() const { return first + count - 1; }
};

// Header line: K, one unread column, N.
inline constexpr Field kHeaderK{1, 2};
inline constexpr Field kHeaderN{4, 2};

// Draw line: the draw number, two unread columns, K numbers of two
// columns each, one unread column and an optional two-character tag.
inline constexpr Field kDrawNumber{1, 4};
inline constexpr Field number(int j) {
    return {5 + 2 * j, 2};
}  // j = 1..K
inline constexpr Field tag(int k) {
    return {8 + 2 * (k > 0 ? k : 0), 2};
}

inline std::string_view cut(std::string_view line, Field f) {
    return columns(line, f.first, f.count);
}

// Writes a value zero-padded to the field's width.
inline void appendPadded(std::string& out, std::int64_t value, int width) {
    const std::string digits = intToStr(value);
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    out += digits;
}

inline std::string headerLine(int k, int n) {
    std::string line;
    appendPadded(line, k, kHeaderK.count);
    line.append(static_cast<std::size_t>(kHeaderN.first - kHeaderK.last() - 1), ' ');
    appendPadded(line, n, kHeaderN.count);
    return line;
}

// A draw line: the number in four digits, the K numbers in two each and,
// when there is one, the tag after one blank.
inline std::string drawLine(int drawNumber, std::span<const int> numbers,
                            std::string_view tagText) {
    std::string line;
    appendPadded(line, drawNumber, kDrawNumber.count);
    line.append(static_cast<std::size_t>(number(1).first - kDrawNumber.last() - 1), ' ');
    for (int x : numbers) appendPadded(line, x, 2);
    if (!tagText.empty()) {
        line += ' ';
        line += tagText;
    }
    return line;
}

}  // namespace trimel::drawfile
