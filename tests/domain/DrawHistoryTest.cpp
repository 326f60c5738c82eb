#include "domain/DrawHistory.h"

#include <gtest/gtest.h>

#include "TempDir.h"
#include "domain/Errors.h"

using namespace trimel;

namespace {

// Loads and returns the error's message, or "" when the load succeeds.
std::string loadError(AppState& s, const std::string& path) {
    try {
        loadDrawHistory(s, path);
    } catch (const AppError& e) {
        return e.what();
    }
    return "";
}

std::string drawLine(int number, std::initializer_list<int> nums, const char* tag = "") {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d  ", number % 10000);
    std::string line = buf;
    for (int n : nums) {
        std::snprintf(buf, sizeof buf, "%02d", n);
        line += buf;
    }
    if (*tag) line += std::string(" ") + tag;
    return line + "\n";
}

}  // namespace

TEST(DrawHistory, NothingIsLoadedAtStart) {
    AppState s;
    EXPECT_EQ(s.K, 0);
    EXPECT_EQ(s.N, 0);
    EXPECT_EQ(s.D, 0);
    EXPECT_EQ(s.draws[1].drawNumber, 0);
}

TEST(DrawHistory, ReadsHeaderDrawsAndTags) {
    TempDir dir;
    AppState s;
    const auto r =
        loadDrawHistory(s, dir.write("h.txt", "06 45\n" + drawLine(157, {3, 11, 19, 27, 35, 44}) +
                                                  drawLine(12, {44, 1, 2, 3, 4, 5}, "07") +
                                                  " 158  010203040506 12trailing text\r\n"));
    EXPECT_EQ(s.K, 6);
    EXPECT_EQ(s.N, 45);
    ASSERT_EQ(s.D, 3);
    EXPECT_EQ(s.draws[1].drawNumber, 157);
    EXPECT_EQ(s.draws[1].numbers[1], 3);
    EXPECT_EQ(s.draws[1].numbers[6], 44);
    EXPECT_EQ(s.draws[1].tag, "");  // a line of exactly 18 characters
    // Kept in file order, not sorted; draw numbers need not ascend.
    EXPECT_EQ(s.draws[2].drawNumber, 12);
    EXPECT_EQ(s.draws[2].numbers[1], 44);
    EXPECT_EQ(s.draws[2].tag, "07");
    EXPECT_EQ(s.draws[3].drawNumber, 158);  // a blank before the number is fine
    EXPECT_EQ(s.draws[3].tag, "12");
    EXPECT_EQ(r.part1Text, "22");
    EXPECT_EQ(r.part2Text, "23");
    EXPECT_EQ(r.notice, "");
}

TEST(DrawHistory, ProposesHalvesRoundedToEven) {
    std::string a, b;
    const std::pair<int, std::pair<const char*, const char*>> cases[] = {
        {45, {"22", "23"}}, {47, {"24", "23"}}, {49, {"24", "25"}}, {35, {"18", "17"}},
        {44, {"22", "22"}}, {0, {"0", "0"}},    {1, {"0", "1"}},    {-9, {"-4", "-5"}},
    };
    for (const auto& [n, want] : cases) {
        proposePartSizes(n, a, b);
        EXPECT_EQ(a, want.first) << n;
        EXPECT_EQ(b, want.second) << n;
    }
}

TEST(DrawHistory, HeaderOnlyFileSetsKAndNWithNoDraws) {
    TempDir dir;
    AppState s;
    const auto r = loadDrawHistory(s, dir.write("h.txt", " 5 69\n"));
    EXPECT_EQ(s.K, 5);
    EXPECT_EQ(s.N, 69);
    EXPECT_EQ(s.D, 0);
    EXPECT_EQ(r.part1Text, "34");
    EXPECT_EQ(r.part2Text, "35");
}

TEST(DrawHistory, HeaderFieldsAreConvertedWhole) {
    TempDir dir;
    AppState s;
    EXPECT_EQ(loadError(s, dir.write("a", "6  45\n")), "'6 ' is not a valid integer value");
    EXPECT_EQ(s.K, 0);
    EXPECT_EQ(loadError(s, dir.write("b", "06 4\n")), "");
    EXPECT_EQ(s.N, 4);
    // K converts, N fails: K has the new value, N keeps the old one.
    EXPECT_EQ(loadError(s, dir.write("c", "05 q5\n")), "'q5' is not a valid integer value");
    EXPECT_EQ(s.K, 5);
    EXPECT_EQ(s.N, 4);
    EXPECT_EQ(loadError(s, dir.write("d", "")), "'' is not a valid integer value");
}

TEST(DrawHistory, BadFieldStopsTheLoadWhereItStands) {
    TempDir dir;
    AppState s;
    const std::string path =
        dir.write("h.txt", "06 45\n" + drawLine(1, {1, 2, 3, 4, 5, 6}) + "0002  0708q91011\n" +
                               drawLine(3, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(loadError(s, path), "'q9' is not a valid integer value");
    EXPECT_EQ(s.D, 2);  // the failing line counts
    EXPECT_EQ(s.draws[2].numbers[1], 7);
    EXPECT_EQ(s.draws[2].numbers[2], 8);
    EXPECT_EQ(s.K, 6);
    EXPECT_EQ(s.N, 45);

    // The failing line keeps nothing of the earlier file past the bad field.
    loadDrawHistory(s, dir.write("full", "06 45\n" + drawLine(1, {1, 2, 3, 4, 5, 6}) +
                                             "0002  111213141516 ab\n"));
    EXPECT_EQ(loadError(s, path), "'q9' is not a valid integer value");
    for (int j = 3; j <= 6; ++j) EXPECT_EQ(s.draws[2].numbers[j], 0) << j;
    EXPECT_EQ(s.draws[2].tag, "");
}

TEST(DrawHistory, DrawNumberFieldMustNotEndInABlank) {
    TempDir dir;
    AppState s;
    EXPECT_EQ(loadError(s, dir.write("h", "06 45\n157   010203040506\n")),
              "'157 ' is not a valid integer value");
    EXPECT_EQ(s.D, 1);
}

TEST(DrawHistory, BlankLineAfterTheLastDrawFailsAfterTheDraws) {
    TempDir dir;
    AppState s;
    EXPECT_EQ(loadError(s, dir.write("h", "06 45\n" + drawLine(1, {1, 2, 3, 4, 5, 6}) + "\n")),
              "'' is not a valid integer value");
    EXPECT_EQ(s.D, 2);
    EXPECT_EQ(s.draws[1].numbers[6], 6);
}

TEST(DrawHistory, ShortLineFieldsAreConvertedFromWhatRemains) {
    TempDir dir;
    AppState s;
    EXPECT_EQ(loadError(s, dir.write("h", "02 10\n0001  0102\n0002  01 2\n0003  015\n")), "");
    EXPECT_EQ(s.D, 3);
    EXPECT_EQ(s.draws[2].numbers[2], 2);
    EXPECT_EQ(s.draws[3].numbers[2], 5);  // a last field cut to one character
    EXPECT_EQ(loadError(s, dir.write("i", "02 10\n0001  01\n")), "'' is not a valid integer value");
}

TEST(DrawHistory, ZeroOrNegativeKReadsNoNumbers) {
    TempDir dir;
    AppState s;
    EXPECT_EQ(loadError(s, dir.write("h", "00 00\n0001  xab\n")), "");
    EXPECT_EQ(s.D, 1);
    EXPECT_EQ(s.draws[1].tag, "ab");  // column 8 when K is 0
    EXPECT_EQ(loadError(s, dir.write("i", "-3  9\n0001  xcd\n")), "");
    EXPECT_EQ(s.K, -3);
    EXPECT_EQ(s.draws[1].tag, "cd");
}

TEST(DrawHistory, KAboveTwentyIsRefusedAndKeepsThePreviousHistoryParameters) {
    TempDir dir;
    AppState s;
    loadDrawHistory(s, dir.write("a", "06 45\n" + drawLine(1, {1, 2, 3, 4, 5, 6})));
    EXPECT_EQ(loadError(s, dir.write("b", "21 80\n0001\n")),
              "В тираже не может быть больше 20 чисел.");
    EXPECT_EQ(s.K, 6);
    EXPECT_EQ(s.N, 45);
    EXPECT_EQ(s.D, 0);
    // Twenty numbers fit.
    const std::string line = "0001  0102030405060708091011121314151617181920 77\n";
    EXPECT_EQ(loadError(s, dir.write("c", "20 80\n" + line)), "");
    EXPECT_EQ(s.draws[1].numbers[20], 20);
    EXPECT_EQ(s.draws[1].tag, "77");
}

TEST(DrawHistory, MoreThanTheTableHoldsKeepsTheFirstDraws) {
    TempDir dir;
    AppState s;
    std::string text = "06 45\n";
    for (int i = 1; i <= kMaxDraws + 2; ++i) text += drawLine(i, {1, 2, 3, 4, 5, i % 45 + 1});
    text += "not a draw\n";  // beyond the table: never read
    const auto r = loadDrawHistory(s, dir.write("big", text));
    EXPECT_EQ(s.D, kMaxDraws);
    EXPECT_EQ(s.draws[kMaxDraws].numbers[6], kMaxDraws % 45 + 1);
    EXPECT_EQ(r.notice, "В файле больше 10000 тиражей: загружены первые 10000.");
    EXPECT_EQ(r.part1Text, "22");

    // Exactly the capacity is no cut.
    std::string exact = "06 45\n";
    for (int i = 1; i <= kMaxDraws; ++i) exact += drawLine(i, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(loadDrawHistory(s, dir.write("exact", exact)).notice, "");
}

TEST(DrawHistory, ReloadReplacesTheHistoryAndStartsAgainAfterAFailure) {
    TempDir dir;
    AppState s;
    loadDrawHistory(s, dir.write("long", "06 45\n" + drawLine(1, {1, 2, 3, 4, 5, 6}) +
                                             drawLine(2, {1, 2, 3, 4, 5, 6}) +
                                             drawLine(3, {1, 2, 3, 4, 5, 6})));
    EXPECT_EQ(s.D, 3);
    EXPECT_EQ(loadError(s, dir.file("missing")), "File not found");
    EXPECT_EQ(s.D, 0);  // set before the file is opened
    EXPECT_EQ(s.K, 6);
    loadDrawHistory(s, dir.write("short", "05 35\n" + drawLine(9, {5, 4, 3, 2, 1})));
    EXPECT_EQ(s.D, 1);
    EXPECT_EQ(s.K, 5);
    EXPECT_EQ(s.N, 35);
    EXPECT_EQ(s.draws[1].drawNumber, 9);
}

// Where a load failed travels with the error, beside its unchanged message.
TEST(DrawHistory, TheErrorSaysWhereTheLoadFailed) {
    struct Case {
        std::string text;
        FilePlace where;
    };
    const std::string one = drawLine(1, {1, 2, 3, 4, 5, 6});
    const Case cases[] = {
        {"6x 45\n", {1, 1, 2, "K", "6x 45", true}},
        {"21 45\n" + one, {1, 1, 2, "K", "21 45", false}},
        {"06 4x\n" + one, {1, 4, 5, "N", "06 4x", false}},
        {"06 45\n" + one + "0002  0708q91011\n" + one,
         {3, 11, 12, "число 3", "0002  0708q91011", false}},
        {"06 45\n" + one + "\n", {3, 1, 4, "номер тиража", "", true}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        AppState s;
        try {
            loadDrawHistory(s, dir.write("h", c.text));
            ADD_FAILURE() << c.text;
        } catch (const AppError& e) {
            ASSERT_TRUE(e.place()) << c.text;
            const FilePlace& p = *e.place();
            EXPECT_TRUE(p == c.where) << c.text << "\n  got line " << p.line << ", columns "
                                      << p.firstColumn << "-" << p.lastColumn << ", " << p.field
                                      << ", «" << p.lineText << "», last " << p.lastLine;
        }
    }
}
