#include "Targets.h"

#include <array>

namespace trimel::wheels {

namespace {

constexpr int kFirst = 7;  // the tables start at 7 numbers

// v = 7..25.
constexpr std::array<int, 19> kThree = {1, 1, 1, 2,  2,  2,  2,  4,  4, 5,
                                        6, 7, 9, 10, 13, 15, 17, 20, 22};
constexpr std::array<int, 19> kFour = {1,  1,  3,  3,  5,  6,   10,  14,  19, 25,
                                       33, 42, 53, 66, 80, 101, 121, 143, 166};
constexpr std::array<int, 14> kFive = {1, 4, 7, 14, 22, 38, 61, 98, 142, 223, 332, 471, 646, 844};
// v = 7..27: C(v,6,3) (26 from S(3,6,26), 27 unknown) and L(v,6,4,3) (26 unknown).
constexpr std::array<int, 21> kCovering = {4,  4,  7,  10, 11, 15,  21,  25,  31,  38, 44,
                                           48, 60, 71, 77, 77, 104, 116, 130, 130, 0};
constexpr std::array<int, 21> kThreeIfFour = {1,  3,  3,  4,  5,  6,  9,  11, 14, 16, 20,
                                              24, 30, 35, 40, 46, 54, 61, 68, 0,  86};

template <std::size_t n>
int lookup(const std::array<int, n>& table, int v) {
    const int i = v - kFirst;
    return i >= 0 && i < static_cast<int>(n) ? table[static_cast<std::size_t>(i)] : 0;
}

}  // namespace

int knownCoveringSize(int a) {
    return a == 6 ? 1 : lookup(kCovering, a);
}
int knownThreeIfFourSize(int b) {
    return b == 6 ? 1 : lookup(kThreeIfFour, b);
}

Split bestSplit(int v) {
    Split best;
    for (int a = 6; v - a >= 6; ++a) {
        const int ca = knownCoveringSize(a), lb = knownThreeIfFourSize(v - a);
        if (ca && lb && (best.size == 0 || ca + lb < best.size)) best = {a, v - a, ca + lb};
    }
    return best;
}

int knownWheelSize(int v, int t) {
    switch (t) {
        case 3:
            return v <= 25 ? lookup(kThree, v) : bestSplit(v).size;
        case 4:
            return lookup(kFour, v);
        case 5:
            return lookup(kFive, v);
        default:
            return 0;
    }
}

}  // namespace trimel::wheels
