#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "domain/DrawHistory.h"
#include "domain/WheelLibrary.h"

using namespace trimel;

namespace {

// Every six of the wheel's numbers as bit masks over 1..v.
std::vector<std::uint32_t> allSixes(int v) {
    std::vector<std::uint32_t> out;
    for (std::uint32_t m = 0; m < (1u << v); ++m)
        if (std::popcount(m) == 6) out.push_back(m);
    return out;
}

}  // namespace

TEST(ExampleData, EveryWheelKeepsItsGuarantee) {
    AppState s;
    loadWheelLibrary(s, TRIMEL_EXAMPLES "/wheels", nullptr);
    ASSERT_GE(s.wheelCount, 5);
    bool seen[7] = {};
    for (int w = 1; w <= s.wheelCount; ++w) {
        const Wheel& wheel = s.wheels[static_cast<std::size_t>(w)];
        SCOPED_TRACE("wheel " + std::to_string(w));
        ASSERT_GE(wheel.numberCount, 6);
        ASSERT_LE(wheel.numberCount, 20);
        ASSERT_EQ(wheel.ticketCount, wheel.storedTickets());
        seen[wheel.guarantee] = true;
        std::vector<std::uint32_t> tickets;
        for (int t = 1; t <= wheel.ticketCount; ++t) {
            std::uint32_t m = 0;
            for (int p = 1; p <= kTicketPositions; ++p) {
                const int pos = wheel.position(t, p);
                ASSERT_GE(pos, 1);
                ASSERT_LE(pos, wheel.numberCount);
                m |= 1u << (pos - 1);
            }
            ASSERT_EQ(std::popcount(m), 6) << "ticket " << t << " repeats a position";
            tickets.push_back(m);
        }
        for (std::uint32_t six : allSixes(wheel.numberCount)) {
            bool covered = false;
            for (std::uint32_t t : tickets) covered |= std::popcount(t & six) >= wheel.guarantee;
            ASSERT_TRUE(covered) << "no ticket has " << wheel.guarantee << " of mask " << six;
        }
    }
    EXPECT_TRUE(seen[3] && seen[4] && seen[5]);
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
