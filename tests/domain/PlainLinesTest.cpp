// The readers take the lines files are usually written with straight from
// their buffer. Over files of such lines mixed with every other kind, in
// several buffers' worth and after a load that left more numbers behind,
// they must end exactly as reading each line through readLine does.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "TempDir.h"
#include "domain/DrawFileLayout.h"
#include "domain/DrawHistory.h"
#include "domain/Errors.h"
#include "domain/IntText.h"
#include "domain/TextFile.h"
#include "domain/WheelLibrary.h"

namespace trimel {
namespace {

// Each line as the readers read any line: through readLine, field by field.
std::string drawsLineByLine(AppState& s, const std::string& path) {
    try {
        s.D = 0;
        TextFile file(path);
        const std::string_view header = file.readLine();
        s.K = strToInt(drawfile::cut(header, drawfile::kHeaderK));
        s.N = strToInt(drawfile::cut(header, drawfile::kHeaderN));
        while (!file.atEnd() && s.D < kMaxDraws) {
            const std::string_view line = file.readLine();
            tyr& draw = s.draws[static_cast<std::size_t>(++s.D)];
            draw = tyr{};
            draw.drawNumber = fieldToInt(drawfile::cut(line, drawfile::kDrawNumber));
            for (int j = 1; j <= s.K; ++j)
                draw.numbers[static_cast<std::size_t>(j)] =
                    fieldToInt(drawfile::cut(line, drawfile::number(j)));
            draw.tag.assign(drawfile::cut(line, drawfile::tag(s.K)));
        }
    } catch (const AppError& e) {
        return e.what();
    }
    return {};
}

std::string ticketsLineByLine(Wheel& w, const std::string& path) {
    try {
        TextFile file(path);
        for (int i = 0; i < 5; ++i) file.readLine();  // title and header, all valid here
        w.tickets.clear();
        while (!file.atEnd() && static_cast<int>(w.tickets.size()) < kMaxTickets) {
            const std::string_view line = file.readLine();
            Ticket& t = w.tickets.emplace_back();
            for (int p = 1; p <= kTicketPositions; ++p)
                t[static_cast<std::size_t>(p)] = fieldToInt(columns(line, 2 * p - 1, 2));
        }
    } catch (const AppError& e) {
        return e.what();
    }
    return {};
}

// Digits; an odd field starts with a blank, a sign or a hexadecimal x,
// which the conversion takes, and a failing one ends with an x.
std::string field(std::mt19937& rng, int width, bool odd, bool fail = false) {
    std::string f;
    for (int i = 0; i < width; ++i) f += static_cast<char>('0' + rng() % 10);
    if (odd) f[0] = " x-"[rng() % 3];
    if (fail) f.back() = 'x';
    return f;
}

// The end of a line: LF or CR LF, with a stray CR or blank before them
// where the line can take one.
std::string ending(std::mt19937& rng, bool stray) {
    static const char* const kEndings[] = {"\n", "\n", "\r\n", " \n", "\r\r\n"};
    return kEndings[rng() % (stray ? 5 : 3)];
}

TEST(PlainLines, DrawsAsLineByLine) {
    TempDir dir;
    auto fast = std::make_unique<AppState>();
    auto slow = std::make_unique<AppState>();
    std::mt19937 rng(18);
    for (int k : {20, 6, 1, 7, 5, 12, 10, 11}) {
        for (int round = 0; round < 3; ++round) {
            char header[8];
            std::snprintf(header, sizeof header, "%02d 45\n", k);
            std::string text = header;
            for (int i = 0; i < 6000; ++i) {
                // Some lines out of the form, and now and then one that fails.
                const unsigned odd = rng() % 200;
                const bool fail = rng() % 8000 == 0;
                std::string line = field(rng, 4, odd == 0) + "  ";
                for (int j = 0; j < k; ++j) line += field(rng, 2, odd == 1, fail && j == k - 1);
                static const char* const kTags[] = {" 07", "", " 7", "  ", " \r7", " 07x", "x07"};
                line += kTags[rng() % (odd == 2 ? 7 : 2)];
                text += line + ending(rng, line.size() > static_cast<std::size_t>(6 + 2 * k));
            }
            const std::string path = dir.write("h.txt", text);
            std::string fastError;
            try {
                loadDrawHistory(*fast, path);
            } catch (const AppError& e) {
                fastError = e.what();
            }
            ASSERT_EQ(fastError, drawsLineByLine(*slow, path)) << k << " " << round;
            ASSERT_EQ(fast->D, slow->D);
            for (std::size_t i = 1; i <= kMaxDraws; ++i) {
                const tyr& a = fast->draws[i];
                const tyr& b = slow->draws[i];
                ASSERT_TRUE(a.drawNumber == b.drawNumber && a.numbers == b.numbers &&
                            a.tag == b.tag)
                    << "draw " << i << " K " << k << " round " << round;
            }
        }
    }
}

TEST(PlainLines, TicketsAsLineByLine) {
    TempDir dir;
    std::mt19937 rng(18);
    for (int round = 0; round < 6; ++round) {
        std::string text = "title\n24\n10000\n3\n0\n";
        const int lines = round == 5 ? kMaxTickets + 3 : 7000;
        for (int i = 0; i < lines; ++i) {
            const unsigned odd = rng() % 200;
            const bool fail = rng() % 10000 == 0;
            std::string line;
            for (int p = 0; p < kTicketPositions; ++p)
                line += field(rng, 2, odd == 0, fail && p == 5);
            if (odd == 1) line += " 3";
            if (odd == 2) line.pop_back();
            text += line + ending(rng, odd == 1);
        }
        const std::string path = dir.write("ASys001.txt", text);
        Wheel fast, slow;
        std::string fastError;
        try {
            loadWheelFile(fast, path, "ASys001.txt", nullptr);
        } catch (const AppError& e) {
            fastError = e.what();
        }
        ASSERT_EQ(fastError, ticketsLineByLine(slow, path)) << round;
        ASSERT_EQ(fast.tickets, slow.tickets) << round;
    }
}

}  // namespace
}  // namespace trimel
