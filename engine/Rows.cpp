#include "Rows.h"

#include <algorithm>

#include "Decimal.h"
#include "domain/IntText.h"

namespace trimel {

namespace {

constexpr int kTotalColumns[10] = {1, 2, 3, 4, 5, 7, 8, 9, 10, 11};

constexpr const char* kSpreadTexts[7] = {
    "Нулей: ", "Единиц: ", "Двоек: ", "Троек: ", "Четверок: ", "Пятерок: ", "Шестерок: "};

}  // namespace

void prepareGrids(MainView& view, int D) {
    TextGrid& draws = view.draws;
    TextGrid& hits = view.hits;
    draws.setRowCount(D + 1);
    hits.setRowCount(D + 2);

    static constexpr const char* kDrawHeaders[5] = {"Тираж", "1-ая пол.", "2-ая пол.",
                                                    "Числа 1-ой пол.", "Числа 2-ой пол."};
    static constexpr int kDrawWidths[5] = {38, 50, 50, 95, 95};
    for (int c = 0; c < 5; ++c) draws.setCell(c, 0, kDrawHeaders[c]);
    for (int c = 0; c < 5; ++c) draws.setColWidth(c, kDrawWidths[c]);

    static constexpr const char* kHitHeaders[5] = {"2", "3", "4", "5", "6"};
    hits.setCell(0, 0, "Тираж");
    hits.setCell(6, 0, "Тираж");
    for (int k = 0; k < 5; ++k) {
        hits.setCell(1 + k, 0, kHitHeaders[k]);
        hits.setCell(7 + k, 0, kHitHeaders[k]);
    }
    hits.setColWidth(0, 38);
    hits.setColWidth(6, 38);

    for (int r = 1; r <= D; ++r) {
        draws.clearCell(3, r);
        draws.clearCell(4, r);
    }
}

void writeHitsRow(TextGrid& hits, int i, const Histogram& first, const Histogram& second) {
    hits.setCellNumber(0, i, i);
    for (int b = 2; b <= 6; ++b) hits.setCellNumber(b - 1, i, first[static_cast<std::size_t>(b)]);
    hits.setCellNumber(6, i, i);
    for (int b = 2; b <= 6; ++b) hits.setCellNumber(b + 5, i, second[static_cast<std::size_t>(b)]);
}

void listDrawnInParts(TextGrid& draws, int i, const tyr& draw, int count,
                      const std::array<NumberSet, 2>& partSets, std::array<std::int32_t, 2>& inPart,
                      std::array<std::string, 2>& texts) {
    texts[0].clear();
    texts[1].clear();
    count = std::clamp(count, 0, kMaxDrawNumbers);
    for (int p = 1; p <= count; ++p) {
        const std::int32_t x = draw.numbers[static_cast<std::size_t>(p)];
        for (std::size_t part = 0; part < 2; ++part)
            if (partSets[part].contains(x)) {
                ++inPart[part];
                appendNumberText(texts[part], x);
            }
    }
    for (std::size_t part = 0; part < 2; ++part)
        if (!texts[part].empty()) draws.appendToCell(3 + static_cast<int>(part), i, texts[part]);
}

void writeDrawCounts(TextGrid& draws, int i, const std::array<std::int32_t, 2>& inPart) {
    draws.setCellNumber(0, i, i);
    draws.setCellNumber(1, i, inPart[0]);
    draws.setCellNumber(2, i, inPart[1]);
}

void writeSummary(std::array<std::string, 18>& labels, const std::array<Histogram, 2>& spread) {
    static constexpr int kFirstLabel[2] = {3, 11};
    for (int part = 0; part < 2; ++part)
        for (int b = 0; b <= 6; ++b) {
            std::string& text = labels[static_cast<std::size_t>(kFirstLabel[part] + b)];
            text = kSpreadTexts[b];
            appendDecimal(text,
                          spread[static_cast<std::size_t>(part)][static_cast<std::size_t>(b)]);
        }
}

void writeTotals(TextGrid& hits, int D, std::array<std::int32_t, 10>& totals) {
    hits.setCell(0, D + 1, "Всего:");
    for (int r = 1; r <= D; ++r)
        for (int k = 0; k < 10; ++k)
            totals[static_cast<std::size_t>(k)] += strToInt(hits.cell(kTotalColumns[k], r));
    for (int k = 0; k < 10; ++k)
        hits.setCellNumber(kTotalColumns[k], D + 1, totals[static_cast<std::size_t>(k)]);
    // Below the second "Тираж" there is nothing to total.
    hits.setCell(6, D + 1, std::string());
}

}  // namespace trimel
