#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "TestState.h"
#include "engine/PartChoice.h"
#include "engine/SizeCheck.h"

namespace trimel {
namespace {

RunParts parts(int n, int p1, int p2, int firstWheelNumbers = 0) {
    RunParts r;
    r.N = n;
    r.P1 = p1;
    r.P2 = p2;
    r.wheels[0].numberCount = firstWheelNumbers;
    return r;
}

std::vector<int> head(const PartList& l, int count) {
    return {l.begin() + 1, l.begin() + 1 + count};
}

TEST(Choice, GeneratorAndFirstDrawOfTheKnownSeeds) {
    for (auto [seed, expected] : {std::pair{0u, std::vector<int>{1, 2, 39, 10, 13, 31, 15, 8}},
                                  std::pair{7u, std::vector<int>{10, 38, 12, 32, 3, 10, 10, 29}}}) {
        Random r(seed);
        std::vector<int> got;
        for (int i = 0; i < 8; ++i) got.push_back(static_cast<int>(r(45)) + 1);
        EXPECT_EQ(got, expected);
    }
    WorkTables w;
    w.random.reseed(7);
    choosePassParts(w, Favourites{}, parts(45, 3, 3));
    EXPECT_EQ(head(w.lists[0], 4), (std::vector<int>{10, 38, 12, 0}));
    EXPECT_EQ(head(w.lists[1], 4), (std::vector<int>{32, 3, 29, 0}));
    EXPECT_EQ(w.random.calls(), 8u);
    EXPECT_EQ(w.partSets[0].size() + w.partSets[1].size(), 6);
    EXPECT_TRUE(w.partSets[1].contains(29));
}

TEST(Choice, NumberSetsHoldZeroTo127) {
    NumberSet s;
    for (int x : {-1, 0, 55, 56, 88, 127, 128}) s.add(x);
    for (int x : {0, 55, 56, 88, 127}) EXPECT_TRUE(s.contains(x)) << x;
    EXPECT_FALSE(s.contains(-1));
    EXPECT_FALSE(s.contains(128));
    EXPECT_EQ(s.size(), 5);
}

TEST(Choice, FavouritesInThePassAndInTheForecast) {
    AppState s;
    testing::setFavourites(s, {7, 3, 44, 3, 12});
    s.favourites[20] = 40;
    s.favourites[21] = 41;
    WorkTables w;
    w.random.reseed(99);
    // The pass takes the wheel's count of entries; 3 typed twice is one number.
    choosePassParts(w, s.favourites, parts(45, 5, 36, 5));
    EXPECT_EQ(head(w.lists[0], 6), (std::vector<int>{7, 3, 44, 3, 12, 0}));
    EXPECT_EQ(w.partSets[0].size(), 4);
    std::set<int> second(w.lists[1].begin() + 1, w.lists[1].begin() + 37);
    EXPECT_EQ(second.size(), 36u);
    for (int x : {7, 3, 44, 12}) EXPECT_FALSE(second.count(x));

    // The forecast takes entries 1..20, so 40 is avoided but 41 is not.
    chooseForecastParts(w, s.favourites, parts(45, 5, 40, 5));
    EXPECT_EQ(w.lists[0][20], 40);
    EXPECT_EQ(w.lists[0][21], 0);
    second = std::set<int>(w.lists[1].begin() + 1, w.lists[1].begin() + 41);
    EXPECT_EQ(second.size(), 40u);
    EXPECT_FALSE(second.count(40));
    EXPECT_TRUE(second.count(41));
    // A wheel of 21 numbers takes entry 21 as well.
    chooseForecastParts(w, s.favourites, parts(45, 5, 39, 21));
    EXPECT_EQ(w.lists[0][21], 41);
    second = std::set<int>(w.lists[1].begin() + 1, w.lists[1].begin() + 40);
    EXPECT_FALSE(second.count(41));
}

TEST(Choice, SizeCheckRefusesExactlyWhatCannotBeDrawnOrStored) {
    const Favourites none{};
    EXPECT_TRUE(partSizesCanBeMet(45, 22, 23, 22, none));
    EXPECT_TRUE(partSizesCanBeMet(0, 0, 0, 0, none));
    EXPECT_TRUE(partSizesCanBeMet(45, -5, 45, 0, none));  // a negative part takes nothing
    EXPECT_TRUE(partSizesCanBeMet(45, 45, -3, 45, none));
    EXPECT_FALSE(partSizesCanBeMet(45, 46, -1, 0, none));  // above N, past the sum check
    EXPECT_FALSE(partSizesCanBeMet(45, -1, 46, 0, none));
    EXPECT_FALSE(partSizesCanBeMet(-3, 1, -5, 0, none));
    EXPECT_TRUE(partSizesCanBeMet(127, 100, 27, 0, none));  // lists of 100 positions
    EXPECT_FALSE(partSizesCanBeMet(127, 101, 0, 0, none));
    EXPECT_FALSE(partSizesCanBeMet(127, 0, 101, 0, none));

    // Favourites: distinct entries within 1..N are taken, in the forecast
    // entries 1..20 or up to the first wheel's count.
    Favourites f{};
    for (int j = 1; j <= 10; ++j) f[static_cast<std::size_t>(j)] = j;
    EXPECT_TRUE(partSizesCanBeMet(45, 10, 35, 10, f));
    EXPECT_FALSE(partSizesCanBeMet(45, 5, 36, 10, f));
    f[10] = 9;
    f[11] = 46;
    f[12] = -4;
    EXPECT_TRUE(partSizesCanBeMet(45, 5, 36, 10, f));
    f[20] = 30;
    EXPECT_FALSE(partSizesCanBeMet(45, 5, 36, 10, f));
    f[21] = 31;
    EXPECT_TRUE(partSizesCanBeMet(45, 5, 35, 10, f));
    EXPECT_FALSE(partSizesCanBeMet(45, 5, 35, 21, f));
    EXPECT_FALSE(partSizesCanBeMet(99, 5, 5, 101, f));    // favourites past the list
    EXPECT_TRUE(partSizesCanBeMet(99, 5, 5, 101, none));  // a drawn part ignores the count
    EXPECT_TRUE(partSizesCanBeMet(9, 9, 0, 10, f));       // no second part to draw
}

}  // namespace
}  // namespace trimel
