#include <gtest/gtest.h>

#include <vector>

#include "engine/Decimal.h"
#include "engine/NumberSet.h"
#include "engine/Random.h"

namespace trimel {
namespace {

std::vector<int> lotteryNumbers(std::uint32_t seed, std::uint32_t n, int count) {
    Random r(seed);
    std::vector<int> out;
    for (int i = 0; i < count; ++i) out.push_back(static_cast<int>(r(n)) + 1);
    return out;
}

TEST(Generator, FirstNumbersOfTheKnownSeeds) {
    EXPECT_EQ(lotteryNumbers(0, 45, 8), (std::vector<int>{1, 2, 39, 10, 13, 31, 15, 8}));
    EXPECT_EQ(lotteryNumbers(7, 45, 8), (std::vector<int>{10, 38, 12, 32, 3, 10, 10, 29}));
}

TEST(Generator, StaysInRangeAndWrapsTheSeed) {
    Random r(0xFFFFFFFFu);
    EXPECT_EQ(r(1), 0u);
    // The seed wraps modulo 2^32.
    EXPECT_EQ(r.seed(), static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1ull));
    EXPECT_EQ(r(0), 0u);
    for (int i = 0; i < 1000; ++i) EXPECT_LT(r(99), 99u);
    EXPECT_EQ(r.calls(), 1002u);
    r.reseed(7);
    EXPECT_EQ(r.calls(), 0u);
    EXPECT_EQ(r(45) + 1, 10u);
}

TEST(NumberSet, CoversZeroTo127Only) {
    NumberSet s;
    for (int x : {-1, -64, 0, 55, 56, 63, 64, 87, 88, 127, 128, 1000}) s.add(x);
    for (int x : {0, 55, 56, 63, 64, 87, 88, 127}) EXPECT_TRUE(s.contains(x)) << x;
    for (int x : {-1, -64, 1, 128, 1000}) EXPECT_FALSE(s.contains(x)) << x;
    EXPECT_EQ(s.size(), 8);
    s.add(64);
    EXPECT_EQ(s.size(), 8);

    NumberSet t;
    t.add(0);
    t.add(127);
    t.add(5);
    EXPECT_EQ(s.common(t), 2);
    std::vector<int> members;
    t.forEach([&](int x) { members.push_back(x); });
    EXPECT_EQ(members, (std::vector<int>{0, 5, 127}));
    t.clear();
    EXPECT_TRUE(t.empty());
}

TEST(Decimal, NumberTextsOfTheDrawsGrid) {
    std::string s;
    appendNumberText(s, 5);
    appendNumberText(s, 9);
    appendNumberText(s, 10);
    appendNumberText(s, 0);
    appendNumberText(s, 99);
    EXPECT_EQ(s, "05 09 10 00 99 ");
    EXPECT_EQ(decimal(-2147483648LL), "-2147483648");
    EXPECT_EQ(decimal(0), "0");
}

}  // namespace
}  // namespace trimel
