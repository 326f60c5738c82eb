#include "Utf8.h"

namespace trimel {

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0.
std::size_t sequenceLength(std::string_view s, std::size_t i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) return 1;
    std::size_t len;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF)
        len = 2;
    else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        if (b0 == 0xE0) lo = 0xA0;  // no overlong forms
        if (b0 == 0xED) hi = 0x9F;  // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        if (b0 == 0xF0) lo = 0x90;
        if (b0 == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if (k == 1 ? (b < lo || b > hi) : (b < 0x80 || b > 0xBF)) return 0;
    }
    return len;
}

bool isControl(std::string_view s, std::size_t i, std::size_t len) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (len == 1) return b0 < 0x20 || b0 == 0x7F;
    // U+0080..U+009F are C2 80..C2 9F.
    return len == 2 && b0 == 0xC2 && static_cast<unsigned char>(s[i + 1]) < 0xA0;
}

std::string replaced(std::string_view bytes, bool controls) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = sequenceLength(bytes, i);
        if (len == 0 || (controls && isControl(bytes, i, len))) {
            out += "\xEF\xBF\xBD";
            i += len == 0 ? 1 : len;
        } else {
            out.append(bytes.substr(i, len));
            i += len;
        }
    }
    return out;
}

}  // namespace

std::string toValidUtf8(std::string_view bytes) {
    return replaced(bytes, false);
}

std::string visibleText(std::string_view bytes) {
    return replaced(bytes, true);
}

}  // namespace trimel
