#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)
// Up to eight fields of two digits from the 16 bytes at p (all readable),
// one field to each 16-bit lane; the lanes past `count` hold 0. False when
// any of the 2 * count bytes is not a digit. SSE2 is part of every x86-64.
template <int count>
inline bool twoDigitLanes(const char* p, __m128i& lanes) {
    static_assert(count >= 1 && count <= 8);
    const __m128i d =
        _mm_sub_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), _mm_set1_epi8('0'));
    const __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(d, _mm_set1_epi8(9)), d);
    constexpr int kChecked = (1 << (2 * count)) - 1;
    const bool ok = (_mm_movemask_epi8(digit) & kChecked) == kChecked;
    // A lane holds the first digit in its low byte: low * 10 + high.
    __m128i v =
        _mm_add_epi16(_mm_mullo_epi16(_mm_and_si128(d, _mm_set1_epi16(0xFF)), _mm_set1_epi16(10)),
                      _mm_srli_epi16(d, 8));
    if constexpr (count < 8)
        v = _mm_bsrli_si128(_mm_bslli_si128(v, 16 - 2 * count), 16 - 2 * count);
    lanes = v;
    return ok;
}

// Lanes 0..3 and 4..7 widened to 32 bits.
inline __m128i lowLanes32(__m128i v) {
    return _mm_unpacklo_epi16(v, _mm_setzero_si128());
}
inline __m128i highLanes32(__m128i v) {
    return _mm_unpackhi_epi16(v, _mm_setzero_si128());
}
#endif

}  // namespace trimel
