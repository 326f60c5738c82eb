#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "Reference.h"
#include "TestState.h"
#include "engine/WorkTables.h"

namespace trimel {
namespace {

using namespace testing;

void expectSameGrid(const TextGrid& a, const TextGrid& b, const char* name) {
    ASSERT_EQ(a.rowCount(), b.rowCount()) << name;
    ASSERT_EQ(a.colCount(), b.colCount()) << name;
    for (int c = 0; c < a.colCount(); ++c) {
        EXPECT_EQ(a.colWidth(c), b.colWidth(c)) << name << " width " << c;
        for (int r = 0; r < a.rowCount(); ++r)
            ASSERT_EQ(a.cell(c, r), b.cell(c, r)) << name << " cell " << c << "," << r;
    }
}

using Change = std::function<void(AppState&)>;

// Runs the engine and the plain reference over copies of one state, twice
// in a row (with `between` applied to both states after the first run),
// and compares every cell, width, label, caption and working table entry.
// Returns how many of the runs completed.
int compareRuns(const AppState& start, const std::string& t1, const std::string& t2,
                std::uint32_t seed, const Change& between = {}) {
    AppState a = start, b = start;
    MainView ma, mb;
    ForecastView fa, fb;
    Engine engine(a, ma, fa);
    ReferenceEngine ref(b, mb, fb);
    int completed = 0;
    for (int runNo = 0; runNo < 2; ++runNo) {
        SCOPED_TRACE("run " + std::to_string(runNo));
        const RunStop expected = ref.run(seed + runNo, t1, t2);
        EXPECT_EQ(engine.run(seed + runNo, t1, t2).stop, expected);
        completed += expected == RunStop::Completed;
        expectSameGrid(ma.draws, mb.draws, "draws");
        expectSameGrid(ma.hits, mb.hits, "hits");
        EXPECT_EQ(ma.labels, mb.labels);
        expectSameGrid(fa.tickets1, fb.tickets1, "tickets1");
        expectSameGrid(fa.tickets2, fb.tickets2, "tickets2");
        expectSameGrid(fa.strip1, fb.strip1, "strip1");
        expectSameGrid(fa.strip2, fb.strip2, "strip2");
        EXPECT_EQ(fa.caption, fb.caption);
        const WorkTables& w = engine.tables();
        EXPECT_EQ(w.random.seed(), ref.seed);
        for (int part = 0; part < 2; ++part) {
            EXPECT_EQ(w.lists[part], ref.list[part]);
            EXPECT_TRUE(w.expanded[part] == ref.expanded[part]) << "expanded tickets " << part;
        }
        if (between) {
            between(a);
            between(b);
        }
    }
    return completed;
}

// 6 of 45 with wheels of 22 and 23 numbers and 30 tickets each.
AppState game(int K = 6, int N = 45, int D = 12) {
    std::mt19937 gen(static_cast<unsigned>(K * 100 + N));
    AppState s;
    s.K = K;
    s.N = N;
    for (int i = 0; i < D; ++i) {
        tyr& d = s.draws[static_cast<std::size_t>(++s.D)];
        for (int p = 1; p <= K; ++p) d.numbers[p] = std::uniform_int_distribution<int>(1, N)(gen);
    }
    for (int m : {N / 2, N - N / 2}) {
        Wheel w;
        w.numberCount = m;
        for (int t = 0; t < 30; ++t) {
            Ticket tk{};
            for (int p = 1; p <= 6; ++p) tk[p] = std::uniform_int_distribution<int>(1, m)(gen);
            w.tickets.push_back(tk);
        }
        w.ticketCount = 30;
        s.wheel2 = addWheel(s, w);
    }
    s.wheel1 = 1;
    return s;
}

TEST(ReferenceRun, EachDecisionAgainstThePlainReference) {
    struct Case {
        const char* name;
        std::function<void(AppState&)> setUp;
        std::string t1 = "22", t2 = "23";
        Change between = {};
    };
    const Case cases[] = {
        {"plain", [](AppState&) {}},
        {"numbers above 55 count in parts", [](AppState& s) { s = game(6, 99); }, "49", "50"},
        {"empty history, N 0",
         [](AppState& s) {
             s.D = 0;
             s.N = 0;
             s.K = 0;
         },
         "0", "0"},
        {"first part covers 1..N", [](AppState&) {}, "45", "0"},
        {"no second wheel", [](AppState& s) { s.wheel2 = 0; }},
        {"wheel index past the library", [](AppState& s) { s.wheel1 = 50; }},
        {"K below 6 after 6", [](AppState&) {}, "22", "23", [](AppState& s) { s.K = 4; }},
        {"K above 6", [](AppState& s) { s = game(8, 45); }},
        {"K of 20", [](AppState& s) { s = game(20, 80); }, "40", "40"},
        {"shorter history second", [](AppState&) {}, "22", "23", [](AppState& s) { s.D = 3; }},
        {"ticket counts past stored and negative",
         [](AppState& s) {
             s.wheels[1].ticketCount = 400;
             s.wheels[2].ticketCount = -1;
         }},
        {"positions outside the list and a drawn 0",
         [](AppState& s) {
             s.wheels[1].tickets[0] = testing::ticket(0, 101, -7, 1, 2, 1000);
             s.draws[1].numbers[1] = 0;
         }},
        {"sizes below the wheels' counts", [](AppState&) {}, "10", "5"},
        {"favourites with repeats and zeros",
         [](AppState& s) {
             setFavourites(s, {4, 4, 9, 0, 17, 60, -3});
             s.favourites[20] = 30;
         }},
        {"favourites for a wheel above 20",
         [](AppState& s) {
             for (int j = 1; j <= 22; ++j) s.favourites[j] = 2 * j;
         }},
        {"favourites leave too few",
         [](AppState& s) {
             setFavourites(s, {1, 2, 3});
             s.favourites[20] = 4;
         },
         "3", "42"},
        {"first part above N", [](AppState&) {}, "46", "-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState s = game();
        c.setUp(s);
        compareRuns(s, c.t1, c.t2, 7, c.between);
    }
}

// Random histories, wheels and selections with awkward values mixed in.
TEST(ReferenceRun, RandomStatesAgreeWithThePlainReference) {
    std::mt19937 gen(77);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    int completed = 0;
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int Ks[] = {6, 5, 7, 3}, Ns[] = {45, 20, 69, 99, 12};
        AppState s = game(Ks[round % 4], Ns[(round / 4) % 5], pick(0, 20));
        for (int i = 1; i <= s.D; ++i)
            if (pick(0, 7) == 0) s.draws[i].numbers[pick(1, s.K)] = pick(-2, 130);
        for (int w = 1; w <= 2; ++w)
            for (Ticket& tk : s.wheels[w].tickets)
                if (pick(0, 6) == 0) tk[pick(1, 6)] = pick(-1, 102);
        if (pick(0, 3) == 0)
            for (int j = pick(1, 25); j >= 1; --j)
                s.favourites[j] = pick(0, 4) == 0 ? 0 : pick(1, s.N + 3);
        const int m1 = s.wheels[1].numberCount, m2 = s.wheels[2].numberCount;
        const bool any = pick(0, 3) == 0;
        completed += compareRuns(s, std::to_string(any ? pick(-3, s.N + 2) : pick(0, m1)),
                                 std::to_string(any ? pick(-3, s.N + 2) : pick(0, m2)),
                                 static_cast<std::uint32_t>(round * 7919));
    }
    EXPECT_GT(completed, 200);
}

}  // namespace
}  // namespace trimel
