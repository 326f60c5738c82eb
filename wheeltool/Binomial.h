#pragma once

#include <array>
#include <cstdint>

namespace trimel::wheels {

// The most numbers a wheel may have here: a 6-subset is a 64-bit mask.
inline constexpr int kMaxNumbers = 64;
inline constexpr int kTicketSize = 6;

// C(n, k) for n ≤ 64 and k ≤ 6, as a table the inner loops index directly.
struct BinomialTable {
    std::array<std::array<std::uint64_t, kTicketSize + 1>, kMaxNumbers + 1> c{};
    constexpr BinomialTable() {
        for (std::size_t n = 0; n <= kMaxNumbers; ++n) {
            c[n][0] = 1;
            for (std::size_t k = 1; k <= kTicketSize; ++k)
                c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
inline constexpr BinomialTable kBinomials{};

constexpr std::uint64_t binomial(int n, int k) {
    if (n < 0 || k < 0 || k > kTicketSize || n > kMaxNumbers) return 0;
    return kBinomials.c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

// Rank of a subset in the colexicographic order of the subsets of its
// size: the sum of C(s_i, i + 1) over its elements s_0 < s_1 < … (0-based).
inline std::uint32_t colexRank(const std::uint8_t* sorted, int size) {
    std::uint64_t r = 0;
    for (int i = 0; i < size; ++i) r += kBinomials.c[sorted[i]][static_cast<std::size_t>(i + 1)];
    return static_cast<std::uint32_t>(r);
}

}  // namespace trimel::wheels
