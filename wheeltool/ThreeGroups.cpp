#include "ThreeGroups.h"

#include "Binomial.h"

namespace trimel::wheels {

CoverSpec threeGroupsProblem(std::array<int, 3> sizes) {
    const int v = sizes[0] + sizes[1] + sizes[2];
    const auto group = [&](int x) { return x < sizes[0] ? 0 : x < sizes[0] + sizes[1] ? 1 : 2; };
    auto exempt = std::make_shared<std::vector<bool>>(binomial(v, 3));
    for (int c = 2; c < v; ++c)
        for (int b = 1; b < c; ++b)
            for (int a = 0; a < b; ++a) {
                const int ga = group(a), gb = group(b), gc = group(c);
                const bool one = ga == gb && gb == gc;
                // Two in a group and one in the next, in either order of numbers.
                const auto follows = [](int two, int other) { return (two + 1) % 3 == other; };
                const bool twoAndNext = (ga == gb && gc != ga && follows(ga, gc)) ||
                                        (ga == gc && gb != ga && follows(ga, gb)) ||
                                        (gb == gc && ga != gb && follows(gb, ga));
                const std::uint8_t triple[] = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                               static_cast<std::uint8_t>(c)};
                (*exempt)[colexRank(triple, 3)] = !one && !twoAndNext;
            }
    return {v, 3, 3, std::move(exempt)};
}

}  // namespace trimel::wheels
