#include "TextGrid.h"

#include <algorithm>
#include <charconv>

namespace trimel {

namespace {
const std::string kEmpty;
}

TextGrid::TextGrid(int cols, int rows, int defaultColWidth, int fixedRows, int fixedCols)
    : cols_(std::max(cols, 1)),
      rows_(std::max(rows, 1)),
      fixedRows_(fixedRows),
      fixedCols_(fixedCols),
      defaultColWidth_(defaultColWidth),
      cells_(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows_)),
      widths_(static_cast<std::size_t>(cols_), defaultColWidth) {}

void TextGrid::setRowCount(int rows) {
    rows = std::max(rows, 1);
    if (rows == rows_) return;
    cells_.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols_));
    rows_ = rows;
    ++version_;
}

void TextGrid::setColCount(int cols) {
    cols = std::max(cols, 1);
    if (cols == cols_) return;
    std::vector<std::string> next(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols));
    const int keep = std::min(cols, cols_);
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < keep; ++c)
            next[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) +
                 static_cast<std::size_t>(c)] = std::move(cells_[index(c, r)]);
    cells_ = std::move(next);
    widths_.resize(static_cast<std::size_t>(cols), defaultColWidth_);
    cols_ = cols;
    ++version_;
}

const std::string& TextGrid::cell(int col, int row) const {
    return inside(col, row) ? cells_[index(col, row)] : kEmpty;
}

void TextGrid::setCell(int col, int row, std::string text) {
    if (!inside(col, row)) return;
    cells_[index(col, row)] = std::move(text);
    ++version_;
}

void TextGrid::appendToCell(int col, int row, const std::string& text) {
    if (!inside(col, row)) return;
    cells_[index(col, row)] += text;
    ++version_;
}

void TextGrid::clearCell(int col, int row) {
    if (!inside(col, row)) return;
    cells_[index(col, row)].clear();
    ++version_;
}

void TextGrid::setCellNumber(int col, int row, std::int64_t value) {
    if (!inside(col, row)) return;
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    cells_[index(col, row)].assign(digits, end);
    ++version_;
}

int TextGrid::colWidth(int col) const {
    return (col >= 0 && col < cols_) ? widths_[static_cast<std::size_t>(col)] : 0;
}

void TextGrid::setColWidth(int col, int width) {
    if (col < 0 || col >= cols_) return;
    widths_[static_cast<std::size_t>(col)] = width;
    ++version_;
}

}  // namespace trimel
