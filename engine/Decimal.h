#pragma once

#include <charconv>
#include <cstdint>
#include <string>

namespace trimel {

// Decimal text appended in place, with no string of its own on the way.
inline void appendDecimal(std::string& out, std::int64_t value) {
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// A drawn number as the draws grid lists it: below 10 with a leading 0,
// always followed by one blank ("05 ", "17 ").
inline void appendNumberText(std::string& out, std::int32_t x) {
    if (x < 10) out += '0';
    appendDecimal(out, x);
    out += ' ';
}

}  // namespace trimel
