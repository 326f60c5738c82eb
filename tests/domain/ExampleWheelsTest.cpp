#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>

#include "domain/DrawHistory.h"
#include "domain/WheelLibrary.h"
#include "engine/Engine.h"

using namespace trimel;

// The shipped library as the program loads it: every row of the wheel
// selection window has wheels, and the halves the program proposes for a
// 6 of 45 history (22 and 23 numbers) have "3 if 6" wheels that a run
// back-tests over the example history.
TEST(ExampleData, LibraryFillsEveryRowAndPlaysTheProposedHalves) {
    AppState s;
    loadWheelLibrary(s, TRIMEL_EXAMPLES "/wheels", [](const std::string& m) { FAIL() << m; });
    ASSERT_LE(s.wheelCount, kMaxWheels);
    int perGuarantee[7] = {};
    for (int w = 1; w <= s.wheelCount; ++w) {
        const Wheel& wheel = *s.wheel(w);
        ++perGuarantee[std::clamp(wheel.guarantee, 0, 6)];
        if (wheel.guarantee != 3) continue;
        if (wheel.numberCount == 22) s.wheel1 = w;
        if (wheel.numberCount == 23) s.wheel2 = w;
    }
    EXPECT_GT(perGuarantee[3], 0);
    EXPECT_GT(perGuarantee[4], 0);
    EXPECT_GT(perGuarantee[5], 0);
    ASSERT_NE(s.wheel1, 0);
    ASSERT_NE(s.wheel2, 0);

    loadDrawHistory(s, TRIMEL_EXAMPLES "/history-645.txt");
    s.size1 = 22;
    s.size2 = 23;
    MainView main;
    ForecastView forecast;
    Engine engine(s, main, forecast);
    EXPECT_EQ(engine.run(1, "22", "23").stop, RunStop::Completed);
    EXPECT_EQ(main.draws.rowCount(), s.D + 1);
    EXPECT_EQ(forecast.tickets1.rowCount(), s.wheel(s.wheel1)->ticketCount);
    EXPECT_EQ(forecast.tickets2.rowCount(), s.wheel(s.wheel2)->ticketCount);
}

TEST(ExampleData, HistoryIsASixOfFortyFiveGame) {
    AppState s;
    const auto r = loadDrawHistory(s, TRIMEL_EXAMPLES "/history-645.txt");
    EXPECT_EQ(s.K, 6);
    EXPECT_EQ(s.N, 45);
    EXPECT_EQ(s.D, 300);
    EXPECT_EQ(r.notice, "");
    for (int i = 1; i <= s.D; ++i) {
        std::uint64_t seen = 0;
        for (int j = 1; j <= s.K; ++j) {
            const int n = s.draws[static_cast<std::size_t>(i)].numbers[static_cast<std::size_t>(j)];
            ASSERT_TRUE(n >= 1 && n <= 45);
            seen |= std::uint64_t{1} << n;
        }
        ASSERT_EQ(std::popcount(seen), 6) << "draw " << i;
    }
}
