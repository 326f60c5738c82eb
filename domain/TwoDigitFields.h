#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace trimel {

// Reads `count` fields of two decimal digits each, back to back from `p`,
// into out[0..count-1]: the readers' way through the lines files are
// written with. False when any of the 2 * count bytes is not a digit;
// `out` then holds nonsense. Where the machine is little-endian, four
// fields are taken at a time as one 64-bit word, two as a 32-bit one.
inline bool twoDigitFields(const char* p, int count, std::int32_t* out) {
    bool ok = true;
    int i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kHigh = 0xF0F0F0F0F0F0F0F0u;
        for (; i + 4 <= count; i += 4, p += 8) {
            std::uint64_t v;
            std::memcpy(&v, p, sizeof v);
            // Every byte 0x30..0x39: its high half 3, and still 3 after adding 6.
            ok &= ((v & kHigh) | (((v + 0x0606060606060606u) & kHigh) >> 4)) == 0x3333333333333333u;
            v -= 0x3030303030303030u;
            v = v * 10 + (v >> 8);  // byte 2j: the first digit of a pair times 10 plus its second
            out[i] = static_cast<std::int32_t>(v & 0xFF);
            out[i + 1] = static_cast<std::int32_t>((v >> 16) & 0xFF);
            out[i + 2] = static_cast<std::int32_t>((v >> 32) & 0xFF);
            out[i + 3] = static_cast<std::int32_t>((v >> 48) & 0xFF);
        }
        if (i + 2 <= count) {
            std::uint32_t v;
            std::memcpy(&v, p, sizeof v);
            ok &= ((v & 0xF0F0F0F0u) | (((v + 0x06060606u) & 0xF0F0F0F0u) >> 4)) == 0x33333333u;
            v -= 0x30303030u;
            v = v * 10 + (v >> 8);
            out[i] = static_cast<std::int32_t>(v & 0xFF);
            out[i + 1] = static_cast<std::int32_t>((v >> 16) & 0xFF);
            i += 2;
            p += 4;
        }
    }
    for (; i < count; ++i, p += 2) {
        const unsigned a = static_cast<unsigned char>(p[0]) - unsigned{'0'};
        const unsigned b = static_cast<unsigned char>(p[1]) - unsigned{'0'};
        ok &= (a < 10) & (b < 10);
        out[i] = static_cast<std::int32_t>(a * 10 + b);
    }
    return ok;
}

}  // namespace trimel
