#pragma once

#include <charconv>
#include <cstdint>
#include <string>

namespace trimel {

// Plain decimal text, written without a detour through streams; short
// texts stay inside the string's own buffer.
inline void appendDecimal(std::string& out, std::int64_t value) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

inline std::string decimal(std::int64_t value) {
    std::string s;
    appendDecimal(s, value);
    return s;
}

// A drawn number as the draws grid lists it: below 10 with a leading 0,
// always followed by one blank ("05 ", "17 ").
inline void appendNumberText(std::string& out, std::int32_t x) {
    if (x < 10) out += '0';
    appendDecimal(out, x);
    out += ' ';
}

}  // namespace trimel
