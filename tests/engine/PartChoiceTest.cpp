#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "TestState.h"
#include "engine/PartChoice.h"
#include "engine/SizeCheck.h"

namespace trimel {
namespace {

using testing::setFavourites;

RunParts parts(int n, int p1, int p2, int firstWheelNumbers = 0) {
    RunParts r;
    r.N = n;
    r.P1 = p1;
    r.P2 = p2;
    r.wheels[0].numberCount = firstWheelNumbers;
    return r;
}

std::vector<int> listOf(const WorkTables& w, int part, int count) {
    return std::vector<int>(w.lists[static_cast<std::size_t>(part)].begin() + 1,
                            w.lists[static_cast<std::size_t>(part)].begin() + 1 + count);
}

TEST(PassChoice, FirstDrawOfSeedSeven) {
    WorkTables w;
    w.random.reseed(7);
    Favourites none{};
    choosePassParts(w, none, parts(45, 3, 3));
    EXPECT_EQ(listOf(w, 0, 3), (std::vector<int>{10, 38, 12}));
    EXPECT_EQ(listOf(w, 1, 3), (std::vector<int>{32, 3, 29}));
    EXPECT_EQ(w.random.calls(), 8u);
    for (int x : {10, 38, 12}) EXPECT_TRUE(w.partSets[0].contains(x));
    for (int x : {32, 3, 29}) EXPECT_TRUE(w.partSets[1].contains(x));
    EXPECT_EQ(w.partSets[0].size(), 3);
    EXPECT_EQ(w.partSets[1].size(), 3);
    // The rest of each list keeps what it held.
    EXPECT_EQ(w.lists[0][4], 0);
    EXPECT_EQ(w.lists[1][4], 0);
}

TEST(PassChoice, TwoPartsCoveringTheRangeHoldEveryNumberOnce) {
    WorkTables w;
    w.random.reseed(12345);
    Favourites none{};
    for (int draw = 0; draw < 20; ++draw) {
        w.partSets = {};
        choosePassParts(w, none, parts(45, 22, 23));
        std::vector<int> all = listOf(w, 0, 22);
        const std::vector<int> second = listOf(w, 1, 23);
        all.insert(all.end(), second.begin(), second.end());
        std::sort(all.begin(), all.end());
        for (int x = 1; x <= 45; ++x) EXPECT_EQ(all[static_cast<std::size_t>(x - 1)], x);
    }
}

TEST(PassChoice, FavouritesMakeTheFirstPart) {
    AppState s;
    setFavourites(s, {7, 3, 44, 3, 12, 1, 2, 9, 30, 31, 40});
    WorkTables w;
    w.random.reseed(99);
    // Ten numbers from the wheel's count, the eleventh entry is not taken.
    choosePassParts(w, s.favourites, parts(45, 10, 20, 10));
    EXPECT_EQ(listOf(w, 0, 10), (std::vector<int>{7, 3, 44, 3, 12, 1, 2, 9, 30, 31}));
    EXPECT_EQ(w.lists[0][11], 0);
    EXPECT_EQ(w.partSets[0].size(), 9);  // 3 typed twice counts once
    const std::vector<int> second = listOf(w, 1, 20);
    const std::set<int> distinct(second.begin(), second.end());
    EXPECT_EQ(distinct.size(), 20u);
    for (int x : second) {
        EXPECT_FALSE(w.partSets[0].contains(x)) << x;
        EXPECT_TRUE(x >= 1 && x <= 45);
    }
    // Only the second part called the generator: at least one call per number.
    EXPECT_GE(w.random.calls(), 20u);
    const auto calls = w.random.calls();
    w.partSets = {};
    choosePassParts(w, s.favourites, parts(45, 10, 0, 10));
    EXPECT_EQ(w.random.calls(), calls);
    EXPECT_EQ(listOf(w, 0, 10), (std::vector<int>{7, 3, 44, 3, 12, 1, 2, 9, 30, 31}));
}

TEST(PassChoice, FirstPartOfTheWholeRangeLeavesTheSecondAlone) {
    WorkTables w;
    w.lists[1][1] = 77;
    w.random.reseed(3);
    Favourites none{};
    choosePassParts(w, none, parts(10, 10, 0));
    EXPECT_GE(w.random.calls(), 10u);
    EXPECT_EQ(w.lists[1][1], 77);
    EXPECT_TRUE(w.partSets[1].empty());
    EXPECT_EQ(w.partSets[0].size(), 10);
}

TEST(PassChoice, NumbersAboveFiftyFiveCountInParts) {
    // The sets reach 127, so a 6-of-99 game counts every number.
    WorkTables w;
    w.random.reseed(5);
    Favourites none{};
    choosePassParts(w, none, parts(99, 49, 50));
    for (int x = 1; x <= 99; ++x)
        EXPECT_TRUE(w.partSets[0].contains(x) != w.partSets[1].contains(x)) << x;
}

TEST(ForecastChoice, TakesTwentyFavouritesOrTheWheelsCount) {
    AppState s;
    setFavourites(s, {5, 6, 7});
    s.favourites[20] = 40;
    s.favourites[21] = 41;
    WorkTables w;
    w.random.reseed(1);
    chooseForecastParts(w, s.favourites, parts(45, 3, 41, 3));
    EXPECT_EQ(w.lists[0][20], 40);
    EXPECT_EQ(w.lists[0][4], 0);
    EXPECT_EQ(w.lists[0][21], 0);  // entry 21 not taken for a wheel of 3
    // The 41 numbers left free by 5, 6, 7 and 40 are all drawn.
    std::set<int> second(w.lists[1].begin() + 1, w.lists[1].begin() + 42);
    EXPECT_EQ(second.size(), 41u);
    for (int x : {5, 6, 7, 40}) EXPECT_FALSE(second.count(x)) << x;
    EXPECT_TRUE(second.count(41));

    // A wheel of 25 numbers takes entries up to 25.
    for (int j = 1; j <= 25; ++j) s.favourites[static_cast<std::size_t>(j)] = j;
    WorkTables v;
    v.random.reseed(2);
    chooseForecastParts(v, s.favourites, parts(45, 25, 20, 25));
    std::set<int> rest(v.lists[1].begin() + 1, v.lists[1].begin() + 21);
    EXPECT_EQ(rest.size(), 20u);
    for (int x : rest) EXPECT_GT(x, 25);
}

TEST(ForecastChoice, NoSecondPartWithoutSizeOrWhenTheFirstCoversAll) {
    WorkTables w;
    w.lists[1][1] = 66;
    w.random.reseed(8);
    Favourites none{};
    chooseForecastParts(w, none, parts(6, 6, 0));
    EXPECT_GE(w.random.calls(), 6u);
    EXPECT_EQ(w.lists[1][1], 66);
    chooseForecastParts(w, none, parts(6, 3, 0));
    EXPECT_EQ(w.lists[1][1], 66);
}

TEST(SizeCheck, RefusesExactlyWhatCannotBeDrawnOrStored) {
    Favourites none{};
    // Sizes that fit.
    EXPECT_TRUE(partSizesCanBeMet(45, 22, 23, 22, none));
    EXPECT_TRUE(partSizesCanBeMet(0, 0, 0, 0, none));
    EXPECT_TRUE(partSizesCanBeMet(45, -5, 45, 0, none));  // a negative first part takes nothing
    EXPECT_TRUE(partSizesCanBeMet(45, 45, 0, 45, none));
    EXPECT_TRUE(partSizesCanBeMet(45, 45, -3, 45, none));
    // A part above N, which the sum check lets through beside a negative one.
    EXPECT_FALSE(partSizesCanBeMet(45, 46, -1, 0, none));
    EXPECT_FALSE(partSizesCanBeMet(45, -1, 46, 0, none));
    EXPECT_FALSE(partSizesCanBeMet(-3, 1, -5, 0, none));
    // A list of 100 positions, also where N is larger.
    EXPECT_TRUE(partSizesCanBeMet(127, 100, 27, 0, none));
    EXPECT_FALSE(partSizesCanBeMet(127, 101, 0, 0, none));
    EXPECT_FALSE(partSizesCanBeMet(127, 0, 101, 0, none));

    // Favourites: the distinct ones within 1..N are taken, in the forecast
    // all of the first 20 entries.
    Favourites f{};
    for (int j = 1; j <= 10; ++j) f[static_cast<std::size_t>(j)] = j;
    EXPECT_TRUE(partSizesCanBeMet(45, 10, 35, 10, f));
    EXPECT_FALSE(partSizesCanBeMet(45, 5, 36, 10, f));
    f[10] = 9;  // typed twice: one number fewer taken
    EXPECT_TRUE(partSizesCanBeMet(45, 5, 36, 10, f));
    f[10] = 0;  // empty and out-of-range entries take nothing
    f[11] = 46;
    f[12] = -4;
    EXPECT_TRUE(partSizesCanBeMet(45, 5, 36, 10, f));
    f[20] = 30;  // entry 20 is taken by the forecast
    EXPECT_FALSE(partSizesCanBeMet(45, 5, 36, 10, f));
    f[21] = 31;  // entry 21 only for a wheel above 20 numbers
    EXPECT_TRUE(partSizesCanBeMet(45, 5, 35, 10, f));
    EXPECT_FALSE(partSizesCanBeMet(45, 5, 35, 21, f));
    EXPECT_FALSE(partSizesCanBeMet(99, 5, 5, 101, f));  // favourites past the list
    EXPECT_TRUE(partSizesCanBeMet(99, 5, 5, 101, none)); // drawn: the wheel's count is not used
    // A first part of the whole range draws no second part.
    EXPECT_TRUE(partSizesCanBeMet(9, 9, 0, 10, f));
}

}  // namespace
}  // namespace trimel
