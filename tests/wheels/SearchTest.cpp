#include <gtest/gtest.h>

#include <bit>
#include <map>

#include "PlainCheck.h"
#include "wheeltool/CoverSearch.h"
#include "wheeltool/Maker.h"
#include "wheeltool/Steiner.h"
#include "wheeltool/Targets.h"
#include "wheeltool/ThresholdSearch.h"
#include "wheeltool/WeightedSearch.h"

using namespace trimel::wheels;

namespace {

// How often each three numbers lie together in a ticket.
std::map<std::uint64_t, int> tripleCounts(const Tickets& tickets) {
    std::map<std::uint64_t, int> counts;
    for (std::uint64_t t : tickets)
        for (std::uint64_t a = t; a; a &= a - 1)
            for (std::uint64_t b = a & (a - 1); b; b &= b - 1)
                for (std::uint64_t c = b & (b - 1); c; c &= c - 1)
                    ++counts[(a & -a) | (b & -b) | (c & -c)];
    return counts;
}

void expectSteinerSystem(const Tickets& tickets, int v, std::size_t blocks) {
    ASSERT_EQ(tickets.size(), blocks);
    for (std::uint64_t t : tickets) {
        EXPECT_EQ(std::popcount(t), 6);
        EXPECT_LT(t, 1ull << v);
    }
    const auto counts = tripleCounts(tickets);
    EXPECT_EQ(counts.size(),
              static_cast<std::size_t>(v * (v - 1) * (v - 2) / 6));  // every triple …
    for (const auto& [triple, n] : counts) EXPECT_EQ(n, 1);          // … exactly once
}

}  // namespace

TEST(Constructions, SteinerSystemsHoldEveryTripleOnce) {
    expectSteinerSystem(steiner22(), 22, 77);
    expectSteinerSystem(steiner26(), 26, 130);
    // Fewer numbers: every triple at least once, nothing outside.
    for (int v : {21, 12}) {
        const Tickets t = restrictCovering(steiner22(), v);
        EXPECT_EQ(tripleCounts(t).size(), static_cast<std::size_t>(v * (v - 1) * (v - 2) / 6));
        for (std::uint64_t m : t) EXPECT_EQ(std::popcount(m & ((1ull << v) - 1)), 6);
    }
}

TEST(Constructions, SplitBoundsAreTheKnownOnes) {
    EXPECT_EQ(bestSplit(49).a, 22);
    EXPECT_EQ(knownWheelSize(49, 3), 163);
    EXPECT_EQ(knownWheelSize(30, 3), 39);
    EXPECT_EQ(knownWheelSize(25, 3), 22);
    EXPECT_EQ(knownWheelSize(20, 5), 844);
    EXPECT_EQ(knownWheelSize(30, 4), 0);
    // Up to 25 numbers the split gives the tables' "3 if 6" sizes.
    for (int v = 19; v <= 25; ++v) EXPECT_EQ(bestSplit(v).size, knownWheelSize(v, 3)) << v;
}

// Greedy and annealing give coverings, checked by the plain loop; a small
// known size is reached quickly.
TEST(Search, AnnealingReachesSmallKnownSizes) {
    for (const auto& [v, t, target] :
         {std::tuple{10, 4, 3}, std::tuple{11, 3, 2}, std::tuple{9, 5, 7}}) {
        SCOPED_TRACE(testing::Message() << t << " if 6 on " << v);
        const Tickets greedy = greedyCovering({v, 6, t}, 3);
        EXPECT_EQ(trimel::testing::plainMisses(v, greedy, t), 0u);
        SearchLimits limits;
        limits.target = target;
        const Tickets best = searchCovering({v, 6, t}, greedy, limits, 3);
        EXPECT_EQ(static_cast<int>(best.size()), target);
        EXPECT_EQ(trimel::testing::plainMisses(v, best, t), 0u);
    }
    // The split's sides: "3 if 3" and "3 if 4".
    for (const auto& [p, target] : {std::pair{3, 15}, std::pair{4, 6}}) {
        SearchLimits limits;
        limits.target = target;
        const Tickets side = searchCovering({12, p, 3}, {}, limits, 1);
        EXPECT_EQ(static_cast<int>(side.size()), target);
        EXPECT_EQ(uncoveredCount({12, p, 3}, side), 0);
    }
}

TEST(Search, SplitWheelJoinsItsSides) {
    MakeRequest r;
    r.v = 20;
    r.t = 3;
    r.seconds = 30;
    EXPECT_EQ(splitOf(r), 8);
    const Tickets wheel = makeWheel(r, nullptr, nullptr);
    EXPECT_EQ(wheel.size(), 10u);  // C(8,6,3) = 4 and L(12,6,4,3) = 6
    EXPECT_EQ(trimel::testing::plainMisses(20, wheel, 3), 0u);
    // Such a wheel is recognised as a start and shrunk side by side.
    r.start = wheel;
    EXPECT_EQ(splitOf(r), 8);
    r.start.pop_back();
    EXPECT_EQ(splitOf(r), 0);
}

// The weighted search and the adaptive acceptance, alone and beside the
// annealer on two threads, reach known sizes in seconds; results cover.
TEST(Search, NewSearchesAndPortfolioReachKnownSizes) {
    for (const auto& [v, p, t, target] :
         {std::tuple{13, 6, 4, 10}, std::tuple{11, 6, 5, 22}, std::tuple{12, 4, 3, 6}}) {
        SCOPED_TRACE(testing::Message() << t << " if " << p << " on " << v);
        SearchLimits limits;
        limits.target = target;
#ifdef TRIMEL_SANITIZED
        // Ten times slower there, and beside other tests: the target, not
        // the clock, should end each search.
        limits.seconds = 150;
#endif
        for (SearchMethod method : {weightedSearch, thresholdSearch}) {
            const Tickets alone = method({v, p, t}, {}, limits, 5);
            EXPECT_EQ(static_cast<int>(alone.size()), target);
            EXPECT_EQ(uncoveredCount({v, p, t}, alone), 0);
        }
        const Tickets both =
            searchInParallel({weightedSearch, searchCovering}, {v, p, t}, {}, limits, 5);
        EXPECT_EQ(static_cast<int>(both.size()), target);
        if (p == 6) {
            EXPECT_EQ(trimel::testing::plainMisses(v, both, t), 0u);
        }
    }
}

// A stop set from outside (Ctrl+C) ends every search at once with the best
// covering so far; a search that reaches the target stops the others.
TEST(Search, PortfolioStopsOnRequestAndAtTheTarget) {
    std::atomic<bool> stop{true};
    SearchLimits limits;
    limits.seconds = 600;
    limits.stop = &stop;
    Tickets w = searchInParallel({weightedSearch, weightedSearch}, {18, 6, 4}, {}, limits, 1);
    EXPECT_EQ(uncoveredCount({18, 6, 4}, w), 0);

    limits.stop = nullptr;
    limits.target = 5;
    w = searchInParallel({weightedSearch, searchCovering, weightedSearch}, {11, 6, 4}, {}, limits,
                         1);
    EXPECT_EQ(w.size(), 5u);
}

// Point deletion keeps the guarantee of every wheel, on any numbers.
TEST(Constructions, PointDeletionKeepsTheGuarantee) {
    SearchLimits limits;
    limits.target = 10;
    const Tickets on13 = weightedSearch({13, 6, 4}, {}, limits, 2);
    for (int v = 12; v >= 9; --v) {
        const Tickets cut = restrictCovering(on13, v);
        EXPECT_LE(cut.size(), on13.size());
        EXPECT_EQ(trimel::testing::plainMisses(v, cut, 4), 0u) << v;
    }
}
