#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trimel {

// A grid of texts addressed by column and row, both from 0, as the windows
// show it. Reads outside the grid give an empty text and writes there are
// dropped, so no caller can run past it. version() changes with every
// write, so a view knows when to refresh.
class TextGrid {
  public:
    TextGrid(int cols, int rows, int defaultColWidth, int fixedRows = 0, int fixedCols = 0);

    int colCount() const { return cols_; }
    int rowCount() const { return rows_; }
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }

    // Counts below 1 become 1; cells that stay inside keep their texts.
    void setRowCount(int rows);
    void setColCount(int cols);

    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);
    void appendToCell(int col, int row, const std::string& text);
    // Empties the cell, keeping its buffer for the next text.
    void clearCell(int col, int row);
    // A number's decimal text, written into the cell's own buffer.
    void setCellNumber(int col, int row, std::int64_t value);

    int colWidth(int col) const;
    // The width every column has until it is given its own.
    int defaultColWidth() const { return defaultColWidth_; }
    void setColWidth(int col, int width);

    std::uint64_t version() const { return version_; }

  private:
    std::size_t index(int col, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(col);
    }
    bool inside(int col, int row) const {
        return col >= 0 && col < cols_ && row >= 0 && row < rows_;
    }

    int cols_;
    int rows_;
    int fixedRows_;
    int fixedCols_;
    int defaultColWidth_;
    std::vector<std::string> cells_;
    std::vector<int> widths_;
    std::uint64_t version_ = 0;
};

}  // namespace trimel
