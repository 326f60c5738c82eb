#include "wheeltool/WheelCheck.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "PlainCheck.h"

using namespace trimel::wheels;

namespace {

std::vector<std::uint64_t> randomTickets(int v, int count, std::mt19937& rng) {
    std::vector<std::uint64_t> out;
    while (static_cast<int>(out.size()) < count) {
        std::uint64_t m = 0;
        while (std::popcount(m) < 6) m |= 1ull << (rng() % static_cast<unsigned>(v));
        out.push_back(m);
    }
    return out;
}

// Subsets compared as their ascending numbers are.
bool lexicographicallyBefore(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t lowest = (a ^ b) & -(a ^ b);  // the first number in one only
    return a & lowest;
}

}  // namespace

// The pruned walk must count exactly what the plain loop counts, for every
// threshold, on wheels that hold and wheels that fail.
TEST(WheelCheck, CountsAsThePlainLoopDoes) {
    std::mt19937 rng(7);
    for (int v : {6, 7, 9, 12, 14}) {
        for (int count : {1, 3, 8}) {
            const auto tickets = randomTickets(v, count, rng);
            for (int threshold = 1; threshold <= 6; ++threshold) {
                const ReachCount r = countReached(v, tickets, threshold, 3);
                SCOPED_TRACE(testing::Message()
                             << "v " << v << " tickets " << count << " threshold " << threshold);
                EXPECT_EQ(r.total - r.reached, trimel::testing::plainMisses(v, tickets, threshold));
                // The first misses: in ascending order and really missed.
                for (std::size_t i = 0; i < r.firstMissed.size(); ++i) {
                    EXPECT_EQ(std::popcount(r.firstMissed[i]), 6);
                    for (std::uint64_t t : tickets)
                        EXPECT_LT(std::popcount(t & r.firstMissed[i]), threshold);
                    if (i) {
                        EXPECT_TRUE(
                            lexicographicallyBefore(r.firstMissed[i - 1], r.firstMissed[i]));
                    }
                }
                EXPECT_EQ(r.firstMissed.size(), std::min<std::uint64_t>(3, r.total - r.reached));
            }
        }
    }
}

TEST(WheelCheck, ReportsFiguresOfAWheel) {
    // One ticket 1..6 on 8 numbers: a six with both 7 and 8 meets it in 4
    // numbers (15 such), with one of them in 5 (12), with neither in 6.
    const std::vector<std::uint64_t> one = {0b00111111};
    WheelFigures f = checkWheel(8, 4, one);
    EXPECT_TRUE(f.holds());
    EXPECT_EQ(f.guarantee.total, 28u);
    EXPECT_EQ(f.beyond, 13u);
    EXPECT_EQ(f.leastUse, 0);
    EXPECT_EQ(f.mostUse, 1);
    f = checkWheel(8, 5, one);
    EXPECT_FALSE(f.holds());
    EXPECT_EQ(f.guarantee.total - f.guarantee.reached, 15u);
    EXPECT_EQ(f.guarantee.firstMissed.front(), 0b11001111u);  // 1 2 3 4 7 8
    EXPECT_EQ(f.beyond, 1u);
}
