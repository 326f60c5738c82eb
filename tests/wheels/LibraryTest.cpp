#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "PlainCheck.h"
#include "wheeltool/Commands.h"
#include "wheeltool/WheelFile.h"

using namespace trimel::wheels;

namespace {

struct Record {
    std::string file;
    int v = 0, t = 0, tickets = 0;
};

// tools/wheel-sizes.txt: the shipped wheels and their sizes.
std::vector<Record> records() {
    std::ifstream in(TRIMEL_SIZES);
    std::vector<Record> out;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        Record r;
        fields >> r.file >> r.v >> r.t >> r.tickets;
        out.push_back(r);
    }
    return out;
}

std::string pathOf(const Record& r) {
    return TRIMEL_EXAMPLES "/wheels/" + r.file;
}

}  // namespace

// The library: "3 if 6" on 7..49 numbers, "4 if 6" on 7..30, "5 if 6" on
// 7..20, named in that order, none larger than its record.
TEST(Library, HoldsEveryWheelAtItsRecordedSize) {
    const std::vector<Record> all = records();
    ASSERT_EQ(all.size(), 43u + 24u + 14u);
    int i = 0;
    for (const auto& [t, first, last] :
         {std::tuple{3, 7, 49}, std::tuple{4, 7, 30}, std::tuple{5, 7, 20}})
        for (int v = first; v <= last; ++v) {
            const Record& r = all[static_cast<std::size_t>(i++)];
            char name[32];
            std::snprintf(name, sizeof name, "ASys%03d.txt", i);
            EXPECT_EQ(r.file, name);
            EXPECT_EQ(r.v, v);
            EXPECT_EQ(r.t, t);
            const WheelFile f = readWheelFile(pathOf(r));
            EXPECT_TRUE(f.usable()) << r.file;
            EXPECT_EQ(f.wheel.numberCount, v) << r.file;
            EXPECT_EQ(f.wheel.guarantee, t) << r.file;
            EXPECT_LE(f.wheel.ticketCount, r.tickets) << r.file << " grew";
        }
}

// Every wheel passes the tool's check; the sanitized build checks the
// smaller ones, which exercise the same code.
TEST(Library, EveryWheelPassesCheck) {
    std::vector<std::string> files;
    for (const Record& r : records())
#ifdef TRIMEL_SANITIZED
        if (r.v <= 30)
#endif
            files.push_back(pathOf(r));
    std::ostringstream out, err;
    EXPECT_EQ(checkCommand(files, out, err), 0) << out.str();
}

// A second, plain check that shares no code with the tool's; only in the
// plain build, where it runs in seconds (a skip would fail CI).
#ifndef TRIMEL_SANITIZED
TEST(Library, EveryWheelHoldsByPlainEnumeration) {
    for (const Record& r : records()) {
        std::ifstream in(pathOf(r));
        std::string line;
        for (int i = 0; i < 5; ++i) std::getline(in, line);
        std::vector<std::uint64_t> tickets;
        while (std::getline(in, line)) {
            ASSERT_GE(line.size(), 12u) << r.file;
            std::uint64_t m = 0;
            for (int p = 0; p < 6; ++p) m |= 1ull << (std::stoi(line.substr(2 * p, 2)) - 1);
            tickets.push_back(m);
        }
        ASSERT_EQ(static_cast<int>(tickets.size()), r.tickets) << r.file;
        EXPECT_EQ(trimel::testing::plainMisses(r.v, tickets, r.t), 0u) << r.file;
    }
}
#endif
