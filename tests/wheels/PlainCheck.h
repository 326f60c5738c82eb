#pragma once

// A second checker for the tests, sharing nothing with the tool's: every
// 6-subset of 1..v as a bit mask against every ticket.

#include <bit>
#include <cstdint>
#include <vector>

namespace trimel::testing {

// 6-subsets of 0..v-1 that meet no ticket in `threshold` numbers.
inline std::uint64_t plainMisses(int v, const std::vector<std::uint64_t>& tickets, int threshold) {
    std::uint64_t misses = 0;
    const std::size_t n = tickets.size();
    std::size_t last = 0;
    for (int a = 0; a < v; ++a)
        for (int b = a + 1; b < v; ++b)
            for (int c = b + 1; c < v; ++c)
                for (int d = c + 1; d < v; ++d)
                    for (int e = d + 1; e < v; ++e) {
                        const std::uint64_t five =
                            (1ull << a) | (1ull << b) | (1ull << c) | (1ull << d) | (1ull << e);
                        for (int f = e + 1; f < v; ++f) {
                            const std::uint64_t six = five | (1ull << f);
                            // Neighbouring sixes share five numbers: start at the last hit.
                            bool hit = false;
                            for (std::size_t i = 0; i < n && !hit; ++i) {
                                const std::size_t k = (last + i) % n;
                                if (std::popcount(tickets[k] & six) >= threshold)
                                    hit = true, last = k;
                            }
                            misses += !hit;
                        }
                    }
    return misses;
}

}  // namespace trimel::testing
