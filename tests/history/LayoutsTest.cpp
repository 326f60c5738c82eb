// The five layouts lotteries publish, each imported with --k and --n only.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "domain/DrawHistory.h"
#include "historytool/Importer.h"

using namespace trimel;
using namespace trimel::history;

namespace {

std::string readAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string imported(const std::string& csv, int k, int n) {
    ImportOptions o;
    o.layout.k = k;
    o.layout.n = n;
    return importHistory(readSourceFile(std::string(TRIMEL_FIXTURES) + "/" + csv), o).history;
}

// Draw lines without their draw numbers: numbers and tag.
std::vector<std::string> draws(const std::string& history) {
    std::vector<std::string> out;
    std::istringstream in(history);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) out.push_back(line.substr(6));
    return out;
}

struct Fixture {
    const char* name;
    int k, n;
    const char* shared;  // the real history it was made from, if any
};

void PrintTo(const Fixture& f, std::ostream* os) {
    *os << f.name;
}

class Layouts : public testing::TestWithParam<Fixture> {};
class RealLayouts : public Layouts {};

std::string testName(const testing::TestParamInfo<Fixture>& info) {
    std::string name = info.param.name;
    std::erase(name, '-');
    return name;
}

}  // namespace

TEST_P(Layouts, ImportToTheDrawsTheProgramLoads) {
    const Fixture f = GetParam();
    const std::string expectedPath = std::string(TRIMEL_FIXTURES) + "/" + f.name + ".expected.txt";
    const std::string history = imported(std::string(f.name) + ".csv", f.k, f.n);
    EXPECT_EQ(history, readAll(expectedPath));

    AppState s;
    loadDrawHistory(s, expectedPath);
    EXPECT_EQ(s.K, f.k);
    EXPECT_EQ(s.D, static_cast<int>(draws(history).size()));
}

// The draws of a fixture made from a real history stand in that history,
// in the same order.
TEST_P(RealLayouts, MatchTheRealHistoryWhereTheyOverlap) {
    const Fixture f = GetParam();
    const std::string path = std::string(TRIMEL_REAL_DATA) + "/" + f.shared;
    const auto real = draws(readAll(path));
    const auto mine = draws(imported(std::string(f.name) + ".csv", f.k, f.n));
    auto at = real.begin();
    for (const std::string& d : mine) {
        at = std::find(at, real.end(), d);
        ASSERT_NE(at, real.end()) << f.name << ": " << d << " is not in " << f.shared
                                  << " after the draws before it";
    }
}

const Fixture kReal[] = {{"korea-645", 6, 45, "lotto645-full.txt"},
                         {"ny-powerball", 5, 69, "powerball-569-2015-2026.txt"},
                         {"ny-pick10", 20, 80, "nypick10-2080-last9999.txt"},
                         {"hungary-590", 5, 90, "otos-590-1957-2020.txt"}};
const Fixture kMadeUp[] = {{"canada-649", 6, 49, ""}, {"uk-lotto", 6, 59, ""}};

INSTANTIATE_TEST_SUITE_P(Real, Layouts, testing::ValuesIn(kReal), testName);
INSTANTIATE_TEST_SUITE_P(MadeUp, Layouts, testing::ValuesIn(kMadeUp), testName);
INSTANTIATE_TEST_SUITE_P(Real, RealLayouts, testing::ValuesIn(kReal), testName);

// The example history ships as the importer makes it from its source.
TEST(ExampleHistory, IsTheImportOfItsKoreanSource) {
    const std::string made = imported("korea-645-full.csv", 6, 45);
    EXPECT_EQ(made, readAll(std::string(TRIMEL_EXAMPLES) + "/history-645-korea.txt"));
    EXPECT_EQ(made, readAll(std::string(TRIMEL_REAL_DATA) + "/lotto645-full.txt"));
}
