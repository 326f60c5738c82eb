#include <gtest/gtest.h>

#include <random>
#include <set>

#include "TestState.h"
#include "engine/Expansion.h"
#include "engine/HitCount.h"

namespace trimel {
namespace {

using testing::makeWheel;
using testing::ticket;

PartList listOf(std::initializer_list<int> numbers) {
    PartList l{};
    int j = 0;
    for (int x : numbers) l[static_cast<std::size_t>(++j)] = x;
    return l;
}

tyr drawOf(std::initializer_list<int> numbers) {
    tyr d;
    int p = 0;
    for (int x : numbers) d.numbers[static_cast<std::size_t>(++p)] = x;
    return d;
}

std::vector<int> expandedRow(const std::vector<ExpandedTicket>& e, int t) {
    return std::vector<int>(e[static_cast<std::size_t>(t)].begin() + 1, e[static_cast<std::size_t>(t)].end());
}

Histogram countHits(const Wheel& w, int positions, const PartList& list, const tyr& d, int drawn) {
    HitCounter c;
    c.prepare(PartWheel::of(&w), positions);
    Histogram h{};
    c.count(list, DrawnNumbers(d, drawn), h);
    return h;
}

TEST(Expansion, PositionsNameListEntries) {
    std::vector<ExpandedTicket> e(kMaxTickets + 1);
    const Wheel w = makeWheel(6, {ticket(1, 2, 3, 1, 2, 3), ticket(6, 5, 4, 3, 2, 1)});
    expandWheel(PartWheel::of(&w), 6, listOf({7, 19, 33}), e);
    EXPECT_EQ(expandedRow(e, 1), (std::vector<int>{7, 19, 33, 7, 19, 33}));
    expandWheel(PartWheel::of(&w), 6, listOf({5, 12, 40, 41, 44, 45}), e);
    EXPECT_EQ(expandedRow(e, 2), (std::vector<int>{45, 44, 41, 40, 12, 5}));

    // K = 5: the sixth position is not touched.
    e[1][6] = 99;
    expandWheel(PartWheel::of(&w), 5, listOf({1, 2, 3}), e);
    EXPECT_EQ(expandedRow(e, 1), (std::vector<int>{1, 2, 3, 1, 2, 99}));
    EXPECT_EQ(e[3][1], 0);
}

TEST(Expansion, PositionsOutsideTheListStandForNoNumber) {
    std::vector<ExpandedTicket> e(kMaxTickets + 1);
    PartList l{};
    for (int j = 1; j <= 100; ++j) l[static_cast<std::size_t>(j)] = j + 1;
    const Wheel w = makeWheel(100, {ticket(0, -1, 101, 100, 1, 2147483647)});
    expandWheel(PartWheel::of(&w), 6, l, e);
    EXPECT_EQ(expandedRow(e, 1), (std::vector<int>{0, 0, 0, 101, 2, 0}));
}

TEST(Expansion, TicketCountIsCutToTheStoredTickets) {
    const Wheel more = makeWheel(3, {ticket(1, 2, 3, 1, 2, 3)}, 40);
    EXPECT_EQ(PartWheel::of(&more).ticketCount, 1);
    Wheel negative = more;
    negative.ticketCount = -2;
    EXPECT_EQ(PartWheel::of(&negative).ticketCount, 0);
    EXPECT_EQ(PartWheel::of(nullptr).ticketCount, 0);
    EXPECT_EQ(PartWheel::of(nullptr).numberCount, 0);

    // A wheel of 10000 tickets fits.
    Wheel big;
    big.numberCount = 6;
    big.tickets.assign(kMaxTickets, ticket(1, 2, 3, 4, 5, 6));
    big.ticketCount = kMaxTickets + 5;
    std::vector<ExpandedTicket> e(kMaxTickets + 1);
    expandWheel(PartWheel::of(&big), 6, listOf({1, 2, 3, 4, 5, 6}), e);
    EXPECT_EQ(expandedRow(e, kMaxTickets), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(countHits(big, 6, listOf({1, 2, 3, 4, 5, 6}), drawOf({6, 5, 4, 3, 2, 1}), 6)[6], kMaxTickets);
}

TEST(HitCount, CountsNumbersOnceAndPositionsOfTheDraw) {
    const Wheel w = makeWheel(3, {ticket(1, 2, 3, 1, 2, 3)});
    // 7, 19, 33, 7, 19, 33 against a draw with 7 and 19.
    EXPECT_EQ(countHits(w, 6, listOf({7, 19, 33}), drawOf({1, 7, 2, 19, 4, 5}), 6),
              (Histogram{0, 0, 1, 0, 0, 0, 0}));

    const Wheel six = makeWheel(6, {ticket(6, 5, 4, 3, 2, 1), ticket(1, 1, 1, 1, 1, 1)});
    const PartList l = listOf({3, 17, 41, 5, 22, 30});
    EXPECT_EQ(countHits(six, 6, l, drawOf({30, 22, 5, 41, 17, 3}), 6), (Histogram{0, 1, 0, 0, 0, 0, 1}));
    // K = 5: at most five hits.
    EXPECT_EQ(countHits(six, 5, l, drawOf({30, 22, 5, 41, 17}), 5), (Histogram{1, 0, 0, 0, 0, 1, 0}));

    // A draw with a number twice counts it twice (one by one).
    EXPECT_EQ(countHits(six, 6, l, drawOf({3, 3, 1, 2, 4, 6}), 6), (Histogram{0, 0, 2, 0, 0, 0, 0}));
    // K above 6: six ticket positions against eight drawn ones; seven hits go nowhere.
    EXPECT_EQ(countHits(six, 6, l, drawOf({3, 17, 41, 5, 22, 30, 3, 9}), 8), (Histogram{0, 0, 1, 0, 0, 0, 0}));

    const Wheel none = makeWheel(6, {ticket(1, 2, 3, 4, 5, 6)}, 0);
    EXPECT_EQ(countHits(none, 6, l, drawOf({3, 17, 41, 5, 22, 30}), 6), (Histogram{}));
}

TEST(HitCount, ZeroInTheListHitsButNoNumberNeverDoes) {
    // Position 4 was never written (0); position 0 stands for no number.
    const Wheel w = makeWheel(4, {ticket(1, 2, 3, 4, 0, 0), ticket(1, 2, 0, 0, 101, 0)});
    EXPECT_EQ(countHits(w, 6, listOf({1, 2, 3}), drawOf({0, 1, 2, 3, 50, 60}), 6),
              (Histogram{0, 0, 1, 0, 1, 0, 0}));
    // Numbers above 55 hit like any other; above 127 or negative never.
    const Wheel v = makeWheel(4, {ticket(1, 2, 3, 4, 1, 1)});
    EXPECT_EQ(countHits(v, 6, listOf({58, 99, 200, -5}), drawOf({58, 99, 200, -5, 1, 2}), 6),
              (Histogram{0, 0, 1, 0, 0, 0, 0}));
}

// Hits of one ticket, the plain way.
int plainHits(const Wheel& w, int t, int positions, const PartList& l, const tyr& d, int drawn) {
    std::set<int> numbers;
    for (int p = 1; p <= positions; ++p) {
        const int v = w.position(t, p);
        if (v >= 1 && v <= 100 && l[v] >= 0 && l[v] <= 127) numbers.insert(l[v]);
    }
    int hits = 0;
    for (int p = 1; p <= drawn; ++p) hits += static_cast<int>(numbers.count(d.numbers[p]));
    return hits;
}

TEST(HitCount, AgreesWithPlainCountingAlsoWithRepeats) {
    std::mt19937 gen(2024);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    for (int round = 0; round < 300; ++round) {
        const int m = pick(3, 20);
        Wheel w;
        w.numberCount = m;
        for (int t = 0; t < 60; ++t) {
            Ticket tk{};
            for (int p = 1; p <= 6; ++p) tk[p] = pick(0, 9) == 0 ? pick(-1, 102) : pick(1, m);
            w.tickets.push_back(tk);
        }
        w.ticketCount = 60;
        PartList l{};
        const bool repeats = round % 3 == 0;
        for (int j = 1; j <= 100; ++j) l[j] = repeats ? pick(0, 12) : j + round % 30;
        tyr d;
        const int drawn = pick(1, 10);
        for (int p = 1; p <= drawn; ++p) d.numbers[p] = round % 5 == 0 ? pick(0, 12) : pick(1, 40);
        const int positions = std::min(drawn, 6);

        Histogram expected{};
        for (int t = 1; t <= 60; ++t) {
            const int h = plainHits(w, t, positions, l, d, drawn);
            if (h <= 6) ++expected[h];
        }
        ASSERT_EQ(countHits(w, positions, l, d, drawn), expected) << "round " << round;
    }
}

}  // namespace
}  // namespace trimel
