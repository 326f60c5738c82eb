#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "wheeltool/Binomial.h"
#include "wheeltool/CbcSolve.h"
#include "wheeltool/OrbitSearch.h"

using namespace trimel::wheels;

// Every group's orbits split the tickets: each ticket in exactly one orbit,
// of the size the model says, and a shift and a multiplication done
// `order` times together undo themselves.
TEST(OrbitSearch, OrbitsSplitTheTickets) {
    for (int v : {12, 13}) {
        std::vector<NumberGroup> groups = groupsFor(v);
        // Multipliers of order 3 and 4: x -> 3x mod 13, x -> 2x mod 5.
        groups.push_back({v, 1, 13, 3});
        groups.push_back({v, 2, 5, 2});
        for (const NumberGroup& g : groups) {
            if (g.cycles * g.length > v) continue;
            SCOPED_TRACE(testing::Message() << v << " numbers under " << g.name());
            const auto model = buildOrbitModel({v, 6, 4}, g, 100'000'000);
            ASSERT_TRUE(model);
            std::vector<int> all(static_cast<std::size_t>(model->columns()));
            for (int c = 0; c < model->columns(); ++c) all[static_cast<std::size_t>(c)] = c;
            const Tickets tickets = model->tickets(all);
            EXPECT_EQ(tickets.size(), binomial(v, 6));
            EXPECT_EQ(std::set<std::uint64_t>(tickets.begin(), tickets.end()).size(),
                      tickets.size());
            EXPECT_EQ(model->cost(all), static_cast<std::int64_t>(binomial(v, 6)));
            std::uint64_t m = 0b1011011;
            for (int i = 0; i < g.order(); ++i) m = g.scale(g.step(m));
            EXPECT_EQ(m, 0b1011011u);
            EXPECT_EQ(static_cast<std::size_t>(g.order()) % g.orbit(m).size(), 0u);
            EXPECT_TRUE(coversAll(*model, all));
            // The model's rows say what a direct count says, also where one orbit covers.
            EXPECT_EQ(coversAll(*model, {0}), uncoveredCount({v, 6, 4}, model->tickets({0})) == 0);
        }
    }
    EXPECT_FALSE(buildOrbitModel({30, 6, 4}, {30, 15, 2}, 1'000'000))
        << "too large a model is refused";
    std::vector<std::string> names;
    for (const NumberGroup& g : groupsFor(16)) names.push_back(g.name());
    EXPECT_EQ(names,
              (std::vector<std::string>{"1x16", "1x15+1", "2x8", "3x5+1", "4x4", "5x3+1", "8x2"}));
}

// A group is named as it prints, and a name that gives no group (a
// multiplier sharing a factor with the cycle, or too many numbers) none.
TEST(OrbitSearch, GroupsAreNamedAsTheyPrint) {
    for (const char* name : {"3x9*4", "2x11", "1x13*3", "8x8"}) {
        const auto g = groupNamed(name);
        ASSERT_TRUE(g) << name;
        EXPECT_EQ(g->name(), name);
    }
    EXPECT_EQ(groupNamed("3x9*4")->order(), 27);
    EXPECT_EQ(groupNamed("2х11*3")->name(), "2x11*3") << "a Cyrillic х";
    EXPECT_EQ(provenGroup({27, 4, 3})->name(), "3x9*4");
    EXPECT_EQ(provenGroup({22, 4, 3})->name(), "3x7+1");
    EXPECT_EQ(provenGroup({20, 4, 3})->name(), "2x9+2");
    EXPECT_FALSE(provenGroup({21, 4, 3}));
    EXPECT_EQ(provenGroup({24, 6, 4})->name(), "2x12*11");
    EXPECT_EQ(provenGroup({18, 6, 5})->name(), "3x6*5");
    EXPECT_FALSE(provenGroup({18, 6, 4}));
    for (const char* bad :
         {"3x9*3", "3x9*1", "3x9*9", "0x5", "5x1", "9x9", "3x", "3 x9", "3x9+1", "3x9*", "3y9"})
        EXPECT_FALSE(groupNamed(bad)) << bad;
}

// Branch and cut proves the smallest wheel under a group, and the wheel
// holds: "4 if 6" on 12 numbers in 6 tickets under the shift mod 12 (the
// smallest there is), in 11 under the shift mod 11, whose orbits all have
// 11 tickets; on 16 numbers the shift mod 15 gives 30.
TEST(OrbitSearch, BranchAndCutFindsTheSmallestInvariantWheel) {
    for (const auto& [v, cycle, size] :
         {std::tuple{12, 12, 6}, std::tuple{12, 11, 11}, std::tuple{16, 15, 30}}) {
        SCOPED_TRACE(testing::Message() << v << " numbers, cycle " << cycle);
        const auto model = buildOrbitModel({v, 6, 4}, {v, 1, cycle}, 100'000'000);
        ASSERT_TRUE(model);
        const ExactCover exact = solveOrbitCover(*model, 120);
        EXPECT_TRUE(exact.optimal);
        EXPECT_EQ(model->cost(exact.chosen), size);
        EXPECT_EQ(uncoveredCount({v, 6, 4}, model->tickets(exact.chosen)), 0);
    }
}

// Local search over the orbits of a small group reaches the known "5 if 6"
// size on 11 numbers, and the whole search reaches it from nothing.
TEST(OrbitSearch, ReachesKnownSizes) {
    const CoverSpec problem{11, 6, 5};
    SearchLimits limits;
    limits.target = 22;
    limits.seconds = 60;
    const auto model = buildOrbitModel(problem, {11, 5, 2}, 100'000'000);
    ASSERT_TRUE(model);
    const std::vector<int> cover = searchOrbitCover(*model, greedyOrbitCover(*model, 1), limits, 1);
    EXPECT_EQ(model->cost(cover), 22);
    EXPECT_EQ(uncoveredCount(problem, model->tickets(cover)), 0);

    const Tickets wheel = orbitSearch(problem, {}, limits, 2);
    EXPECT_EQ(wheel.size(), 22u);
    EXPECT_EQ(uncoveredCount(problem, wheel), 0);
    // A start is only polished, and the sides of a split are searched too.
    limits.seconds = 1;
    EXPECT_LE(orbitSearch(problem, wheel, limits, 3).size(), 22u);
    limits.target = 6;
    limits.seconds = 30;
    const Tickets side = orbitSearch({12, 4, 3}, {}, limits, 1);
    EXPECT_EQ(side.size(), 6u);
    EXPECT_EQ(uncoveredCount({12, 4, 3}, side), 0);
}

// The groups that gave the smallest "3 if 4" wheels reach them: on 20
// numbers 36 (35 is known), on 22 numbers 49 (46; fourteen other groups
// stay at 54 or 55), on 27 numbers 93, where orbits of 27, 9, 3 and 1
// tickets made the search drift below the best cover to 99 before it kept
// its cost just under it, and on 26 numbers 84, below the known 86. Only
// in the plain build, where it takes seconds (a skip would fail CI).
#ifndef TRIMEL_SANITIZED
TEST(OrbitSearch, ProvenGroupsReachTheirSizes) {
    const std::vector<NumberGroup> groups = groupsFor(22);
    const auto it = std::find_if(groups.begin(), groups.end(),
                                 [](const NumberGroup& g) { return g.name() == "3x7+1"; });
    ASSERT_NE(it, groups.end());
    const auto reaches = [](const NumberGroup& group, int target) {
        const CoverSpec side{group.v, 4, 3};
        const auto model = buildOrbitModel(side, group, 100'000'000);
        ASSERT_TRUE(model);
        SearchLimits limits;
        limits.target = target;
        limits.seconds = 60;
        const std::vector<int> cover =
            searchOrbitCover(*model, greedyOrbitCover(*model, 1), limits, 1);
        EXPECT_EQ(model->cost(cover), target) << group.name();
        EXPECT_EQ(uncoveredCount(side, model->tickets(cover)), 0);
    };
    reaches(*provenGroup({20, 4, 3}), 36);
    reaches(*it, 49);
    const std::optional<NumberGroup> squares = provenGroup({27, 4, 3});
    ASSERT_TRUE(squares);
    reaches(*squares, 93);
    reaches(*provenGroup({26, 4, 3}), 84);
}
#endif
