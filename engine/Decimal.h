#pragma once

#include <cstdint>
#include <string>

#include "domain/IntText.h"

namespace trimel {

// Appends the decimal text of `value`.
inline void appendDecimal(std::string& out, std::int64_t value) { out += intToStr(value); }

// A drawn number as the draws grid lists it: below 10 with a leading 0,
// always followed by one blank ("05 ", "17 ").
inline void appendNumberText(std::string& out, std::int32_t x) {
    if (x < 10) out += '0';
    appendDecimal(out, x);
    out += ' ';
}

}  // namespace trimel
