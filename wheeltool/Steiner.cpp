#include "Steiner.h"

#include <algorithm>
#include <bit>
#include <set>

namespace trimel::wheels {

Tickets steiner22() {
    // The cyclic [23,12,7] Golay code from g(x) = 1 + x^2 + x^4 + x^5 + x^6
    // + x^10 + x^11, with a parity bit as point 23.
    constexpr std::uint32_t g = 0b110001110101;
    Tickets out;
    for (std::uint32_t message = 0; message < (1u << 12); ++message) {
        std::uint32_t word = 0;
        for (int i = 0; i < 12; ++i)
            if (message >> i & 1) word ^= g << i;
        if (std::popcount(word) % 2) word |= 1u << 23;
        // Octads through points 22 and 23 give, without them, the blocks.
        constexpr std::uint32_t fixed = 3u << 22;
        if (std::popcount(word) == 8 && (word & fixed) == fixed) out.push_back(word & ~fixed);
    }
    return out;
}

Tickets steiner26() {
    // GF(25) as a + b·w with w² = 2, an element stored as a + 5b; 25 is ∞.
    constexpr int inf = 25;
    const auto mul = [](int x, int y) {
        const int a = x % 5, b = x / 5, c = y % 5, d = y / 5;
        return (a * c + 2 * b * d) % 5 + 5 * ((a * d + b * c) % 5);
    };
    const auto add = [](int x, int y) { return (x % 5 + y % 5) % 5 + 5 * ((x / 5 + y / 5) % 5); };
    int inverse[25] = {};
    for (int x = 1; x < 25; ++x)
        for (int y = 1; y < 25; ++y)
            if (mul(x, y) == 1) inverse[x] = y;

    std::set<std::uint64_t> blocks;
    const int subline[] = {0, 1, 2, 3, 4, inf};
    for (int a = 0; a < 25; ++a)
        for (int b = 0; b < 25; ++b)
            for (int c = 0; c < 25; ++c)
                for (int d = 0; d < 25; ++d) {
                    // z → (az + b) / (cz + d), invertible when ad ≠ bc.
                    if (mul(a, d) == mul(b, c)) continue;
                    std::uint64_t block = 0;
                    for (int z : subline) {
                        int num, den;
                        if (z == inf)
                            num = a, den = c;
                        else
                            num = add(mul(a, z), b), den = add(mul(c, z), d);
                        block |= std::uint64_t{1} << (den == 0 ? inf : mul(num, inverse[den]));
                    }
                    blocks.insert(block);
                }
    return {blocks.begin(), blocks.end()};
}

Tickets restrictCovering(const Tickets& tickets, int v) {
    const std::uint64_t keep = (std::uint64_t{1} << v) - 1;
    Tickets out;
    for (std::uint64_t t : tickets) {
        std::uint64_t m = t & keep;
        for (int drop = std::popcount(t & ~keep); drop > 0; --drop)
            m |= std::uint64_t{1} << std::countr_zero(~m);
        out.push_back(m);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

}  // namespace trimel::wheels
