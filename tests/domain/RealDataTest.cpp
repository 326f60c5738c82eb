#include <gtest/gtest.h>

#include "domain/DrawHistory.h"

using namespace trimel;

namespace {

struct RealHistory {
    const char* file;
    int draws, k, n;
};

class RealData : public testing::TestWithParam<RealHistory> {};

}  // namespace

// Real public lottery histories (tests/data).
TEST_P(RealData, LoadsEveryDraw) {
    const RealHistory h = GetParam();
    const std::string path = std::string(TRIMEL_REAL_DATA) + "/" + h.file;
    AppState s;
    const auto r = loadDrawHistory(s, path);
    EXPECT_EQ(s.D, h.draws);
    EXPECT_EQ(s.K, h.k);
    EXPECT_EQ(s.N, h.n);
    EXPECT_EQ(r.notice, "");
    // Every drawn number lies in the range; the files hold real draws.
    for (int i = 1; i <= s.D; ++i)
        for (int j = 1; j <= s.K; ++j) {
            const int x = s.draws[static_cast<std::size_t>(i)].numbers[static_cast<std::size_t>(j)];
            ASSERT_TRUE(x >= 1 && x <= s.N) << h.file << " draw " << i;
        }
}

INSTANTIATE_TEST_SUITE_P(Histories, RealData,
                         testing::Values(RealHistory{"lotto645-full.txt", 1241, 6, 45},
                                         RealHistory{"lotto645-last500.txt", 500, 6, 45},
                                         RealHistory{"powerball-569-2015-2026.txt", 1340, 5, 69},
                                         RealHistory{"nypick10-2080-last9999.txt", 9999, 20, 80},
                                         RealHistory{"otos-590-1957-2020.txt", 3298, 5, 90}));

TEST(RealDataTags, BonusBallIsKeptAsTheDrawTag) {
    const std::string path = std::string(TRIMEL_REAL_DATA) + "/lotto645-full.txt";
    AppState s;
    loadDrawHistory(s, path);
    EXPECT_EQ(s.draws[1].drawNumber, 1);
    EXPECT_EQ(s.draws[1241].drawNumber, 1241);
    EXPECT_EQ(s.draws[1].tag.size(), 2u);
}
