#include <gtest/gtest.h>

#include "domain/Errors.h"
#include "engine/Rows.h"

namespace trimel {
namespace {

TEST(DrawRow, ListsTheDrawnNumbersOfEachPartInDrawOrder) {
    TextGrid draws(5, 3, 64, 1, 0);
    tyr d;
    const int numbers[] = {3, 17, 41, 5, 22, 30};
    for (int p = 1; p <= 6; ++p) d.numbers[p] = numbers[p - 1];
    std::array<NumberSet, 2> sets;
    for (int x : {3, 5, 30}) sets[0].add(x);
    for (int x : {17, 22, 41}) sets[1].add(x);
    std::array<std::int32_t, 2> inPart{};
    std::array<std::string, 2> texts;
    listDrawnInParts(draws, 1, d, 6, sets, inPart, texts);
    writeDrawCounts(draws, 1, inPart);
    EXPECT_EQ(draws.cell(0, 1), "1");
    EXPECT_EQ(draws.cell(1, 1), "3");
    EXPECT_EQ(draws.cell(2, 1), "3");
    EXPECT_EQ(draws.cell(3, 1), "03 05 30 ");
    EXPECT_EQ(draws.cell(4, 1), "17 41 22 ");

    // Nothing in the first part, and a number in both sets is listed twice.
    std::array<NumberSet, 2> other;
    other[1].add(10);
    other[1].add(9);
    other[0].add(9);
    inPart = {};
    listDrawnInParts(draws, 2, d, 6, other, inPart, texts);
    EXPECT_EQ(inPart, (std::array<std::int32_t, 2>{0, 0}));
    EXPECT_EQ(draws.cell(3, 2), "");
    d.numbers[2] = 10;
    d.numbers[3] = 9;
    listDrawnInParts(draws, 2, d, 6, other, inPart, texts);
    EXPECT_EQ(inPart, (std::array<std::int32_t, 2>{1, 2}));
    EXPECT_EQ(draws.cell(3, 2), "09 ");
    EXPECT_EQ(draws.cell(4, 2), "10 09 ");
}

TEST(HitsRow, ShowsBinsTwoToSixOfEachWheel) {
    TextGrid hits(12, 3, 30, 1, 0);
    writeHitsRow(hits, 2, Histogram{9, 8, 1, 2, 3, 4, 5}, Histogram{9, 9, 0, 0, 7, 0, 11});
    const char* expected[] = {"2", "1", "2", "3", "4", "5", "2", "0", "0", "7", "0", "11"};
    for (int c = 0; c < 12; ++c) EXPECT_EQ(hits.cell(c, 2), expected[c]) << c;
}

TEST(Summary, FourteenLabelsFromTheSpreads) {
    std::array<std::string, 18> labels{};
    labels[10] = "2-ая половина:";
    writeSummary(labels, {Histogram{0, 1, 2, 17, 4, 5, 6}, Histogram{10, 11, 12, 13, 14, 15, 16}});
    EXPECT_EQ(labels[3], "Нулей: 0");
    EXPECT_EQ(labels[4], "Единиц: 1");
    EXPECT_EQ(labels[5], "Двоек: 2");
    EXPECT_EQ(labels[6], "Троек: 17");
    EXPECT_EQ(labels[7], "Четверок: 4");
    EXPECT_EQ(labels[8], "Пятерок: 5");
    EXPECT_EQ(labels[9], "Шестерок: 6");
    EXPECT_EQ(labels[10], "2-ая половина:");
    EXPECT_EQ(labels[11], "Нулей: 10");
    EXPECT_EQ(labels[17], "Шестерок: 16");
    EXPECT_EQ(labels[2], "");
}

TEST(Totals, SumTheCellTextsAndEmptyColumnSix) {
    TextGrid hits(12, 4, 30, 1, 0);
    writeHitsRow(hits, 1, Histogram{0, 0, 1, 2, 3, 4, 5}, Histogram{0, 0, 6, 7, 8, 9, 10});
    writeHitsRow(hits, 2, Histogram{0, 0, 10, 20, 30, 40, 50}, Histogram{0, 0, 0, 0, 0, 0, 1000});
    hits.setCell(6, 3, "9");  // left by a longer run
    std::array<std::int32_t, 10> totals{};
    writeTotals(hits, 2, totals);
    const char* expected[] = {"Всего:", "11", "22", "33", "44", "55", "", "6", "7", "8", "9", "1010"};
    for (int c = 0; c < 12; ++c) EXPECT_EQ(hits.cell(c, 3), expected[c]) << c;

    // The totals come from the texts, as the conversion reads them.
    hits.setCell(3, 1, " $10");
    totals = {};
    writeTotals(hits, 2, totals);
    EXPECT_EQ(hits.cell(3, 3), "46");
    hits.setCell(3, 1, "x1 ");
    totals = {};
    EXPECT_THROW(writeTotals(hits, 2, totals), ConvertError);

    TextGrid empty(12, 2, 30, 1, 0);
    totals = {};
    writeTotals(empty, 0, totals);
    EXPECT_EQ(empty.cell(0, 1), "Всего:");
    for (int c : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11}) EXPECT_EQ(empty.cell(c, 1), "0");
}

TEST(Grids, HeadersWidthsAndEmptiedNumberColumns) {
    MainView v;
    v.draws.setCell(3, 2, "old ");
    v.draws.setCell(1, 2, "7");
    prepareGrids(v, 500);
    EXPECT_EQ(v.draws.rowCount(), 501);
    EXPECT_EQ(v.hits.rowCount(), 502);
    const char* dh[] = {"Тираж", "1-ая пол.", "2-ая пол.", "Числа 1-ой пол.", "Числа 2-ой пол."};
    const int dw[] = {38, 50, 50, 95, 95};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(v.draws.cell(c, 0), dh[c]);
        EXPECT_EQ(v.draws.colWidth(c), dw[c]);
    }
    const char* hh[] = {"Тираж", "2", "3", "4", "5", "6", "Тираж", "2", "3", "4", "5", "6"};
    for (int c = 0; c < 12; ++c) {
        EXPECT_EQ(v.hits.cell(c, 0), hh[c]);
        EXPECT_EQ(v.hits.colWidth(c), c % 6 == 0 ? 38 : 30);
    }
    EXPECT_EQ(v.draws.cell(3, 2), "");
    EXPECT_EQ(v.draws.cell(1, 2), "7");  // overwritten by the pass, not here
}

}  // namespace
}  // namespace trimel
