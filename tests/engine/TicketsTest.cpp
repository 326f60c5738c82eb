#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "TestState.h"
#include "domain/Errors.h"
#include "engine/Expansion.h"
#include "engine/HitCount.h"
#include "engine/HitTally.h"
#include "engine/Rows.h"

namespace trimel {
namespace {

using testing::makeWheel;
using testing::ticket;

template <class Table>
Table tableOf(std::initializer_list<int> numbers) {
    Table t{};
    int j = 0;
    for (int x : numbers) t[static_cast<std::size_t>(++j)] = x;
    return t;
}

tyr drawOf(std::initializer_list<int> numbers) {
    tyr d;
    d.numbers = tableOf<decltype(d.numbers)>(numbers);
    return d;
}

Histogram hits(const Wheel& w, int positions, const PartList& list, const tyr& d, int drawn) {
    HitCounter c;
    c.prepare(PartWheel::of(&w), positions);
    Histogram h{};
    c.count(list, DrawnNumbers(d, drawn), h);
    return h;
}

TEST(Tickets, ExpansionExamples) {
    std::vector<ExpandedTicket> e(kMaxTickets + 1);
    const Wheel w = makeWheel(
        6, {ticket(1, 2, 3, 1, 2, 3), ticket(6, 5, 4, 3, 2, 1), ticket(0, -1, 101, 100, 1, 2)});
    expandWheel(PartWheel::of(&w), 6, tableOf<PartList>({7, 19, 33}), e);
    EXPECT_EQ(e[1], (ExpandedTicket{0, 7, 19, 33, 7, 19, 33}));
    EXPECT_EQ(e[3], (ExpandedTicket{0, 0, 0, 0, 0, 7, 19}));  // outside 1..100: no number
    expandWheel(PartWheel::of(&w), 5, tableOf<PartList>({5, 12, 40, 41, 44, 45}), e);
    EXPECT_EQ(e[2], (ExpandedTicket{0, 45, 44, 41, 40, 12, 7}));  // K = 5 leaves the sixth
}

TEST(Tickets, HitExamples) {
    const Wheel w = makeWheel(6, {ticket(6, 5, 4, 3, 2, 1), ticket(1, 1, 1, 1, 1, 1)});
    const PartList l = tableOf<PartList>({3, 17, 41, 5, 22, 30});
    EXPECT_EQ(hits(w, 6, l, drawOf({30, 22, 5, 41, 17, 3}), 6), (Histogram{0, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(hits(w, 5, l, drawOf({30, 22, 5, 41, 17}), 5), (Histogram{1, 0, 0, 0, 0, 1, 0}));
    // A number twice in the draw counts twice; seven hits count nowhere (K = 8).
    EXPECT_EQ(hits(w, 6, l, drawOf({3, 17, 41, 5, 22, 30, 3, 9}), 8),
              (Histogram{0, 0, 1, 0, 0, 0, 0}));
    const Wheel twice = makeWheel(3, {ticket(1, 2, 3, 1, 2, 3)});
    EXPECT_EQ(hits(twice, 6, tableOf<PartList>({7, 19, 33}), drawOf({1, 7, 2, 19, 4, 5}), 6),
              (Histogram{0, 0, 1, 0, 0, 0, 0}));
    // An unwritten entry (0) hits a drawn 0, position 0 never; above 127 never.
    const Wheel z = makeWheel(4, {ticket(1, 2, 3, 4, 0, 0), ticket(1, 5, 0, 101, 0, 0)});
    EXPECT_EQ(hits(z, 6, tableOf<PartList>({1, 2, 3, 0, 200}), drawOf({0, 1, 2, 3, 200, 60}), 6),
              (Histogram{0, 1, 0, 0, 1, 0, 0}));
    const Wheel none = makeWheel(6, {ticket(1, 2, 3, 4, 5, 6)}, 0);
    EXPECT_EQ(hits(none, 6, l, drawOf({3, 17, 41, 5, 22, 30}), 6), (Histogram{}));
}

// Both ways of counting bits, and the one chosen, tally as a plain count
// of shared positions, on each width of mask.
template <class Mask>
void expectPopcountWaysAgree(int positions, Mask (*of)(const PositionMask&)) {
    std::mt19937_64 rng(18);
    std::vector<Mask> tickets;
    Histogram plain{};
    const PositionMask drawn{rng() & rng(), rng() & rng()};
    for (int t = 0; t < 1001; ++t) {
        PositionMask m;
        for (int p = 0; p < 6; ++p) {
            const auto v = static_cast<unsigned>(rng() % static_cast<unsigned>(positions));
            (v < 64 ? m.lo : m.hi) |= std::uint64_t{1} << (v % 64);
        }
        tickets.push_back(of(m));
        int h = 0;
        for (int b = 0; b < 64; ++b)
            h += static_cast<int>(((m.lo & drawn.lo) >> b & 1) + ((m.hi & drawn.hi) >> b & 1));
        ++plain[static_cast<std::size_t>(h)];
    }
    Histogram portable{}, popcount{}, chosen{};
    tallyHitsPortable<Mask>(tickets, of(drawn), portable);
    tallyHits<Mask>(tickets, of(drawn), chosen);
    EXPECT_EQ(portable, plain);
    EXPECT_EQ(chosen, plain);
    if (hasPopcountInstruction()) {
        tallyHitsPopcount<Mask>(tickets, of(drawn), popcount);
        EXPECT_EQ(popcount, plain);
    }
}

TEST(Tickets, PopcountWaysAgree) {
    expectPopcountWaysAgree<std::uint32_t>(
        32, [](const PositionMask& m) { return static_cast<std::uint32_t>(m.lo); });
    expectPopcountWaysAgree<std::uint64_t>(64, [](const PositionMask& m) { return m.lo; });
    expectPopcountWaysAgree<PositionMask>(101, [](const PositionMask& m) { return m; });
}

TEST(Tickets, DrawRowLabelsAndTotals) {
    TextGrid draws(5, 3, 64, 1, 0);
    std::array<NumberSet, 2> sets;
    for (int x : {3, 5, 30}) sets[0].add(x);
    for (int x : {17, 22, 41}) sets[1].add(x);
    std::array<std::int32_t, 2> inPart{};
    std::array<std::string, 2> texts;
    listDrawnInParts(draws, 1, drawOf({3, 17, 41, 5, 22, 30}), 6, sets, inPart, texts);
    EXPECT_EQ(inPart, (std::array<std::int32_t, 2>{3, 3}));
    EXPECT_EQ(draws.cell(3, 1), "03 05 30 ");
    EXPECT_EQ(draws.cell(4, 1), "17 41 22 ");

    std::array<std::string, 18> labels{};
    writeSummary(labels, {Histogram{0, 1, 2, 17, 4, 5, 6}, Histogram{10, 11, 12, 13, 14, 15, 16}});
    EXPECT_EQ(labels[6], "Троек: 17");
    EXPECT_EQ(labels[9], "Шестерок: 6");
    EXPECT_EQ(labels[11], "Нулей: 10");
    EXPECT_EQ(labels[10], "");

    // Totals come from the cells' texts as the conversion reads them.
    TextGrid g(12, 4, 30, 1, 0);
    writeHitsRow(g, 1, Histogram{0, 0, 1, 2, 3, 4, 5}, Histogram{0, 0, 6, 7, 8, 9, 10});
    writeHitsRow(g, 2, Histogram{0, 0, 10, 20, 30, 40, 50}, Histogram{0, 0, 0, 0, 0, 0, 1000});
    g.setCell(3, 1, " $10");
    std::array<std::int32_t, 10> totals{};
    writeTotals(g, 2, totals);
    const char* expected[] = {"Всего:", "11", "22", "46", "44", "55",
                              "",       "6",  "7",  "8",  "9",  "1010"};
    for (int c = 0; c < 12; ++c) EXPECT_EQ(g.cell(c, 3), expected[c]) << c;
    g.setCell(3, 1, "1 ");
    EXPECT_THROW(writeTotals(g, 2, totals), ConvertError);
}

}  // namespace
}  // namespace trimel
