#pragma once

#include <optional>
#include <string>
#include <vector>

#include "SourceTable.h"

namespace trimel::history {

// Where a results file keeps the drawn numbers: a run of columns with one
// number each, or one column (first == last) of blank-separated numbers of
// which the first K are taken.
struct NumberColumns {
    int first = 0, last = 0;  // 1-based
    bool oneColumn() const { return first == last; }
};

// The column of the draw tag: 0 for none; `item` > 0 takes that item of a
// blank-separated column.
struct TagColumn {
    int column = 0, item = 0;
};

// What orders the draws of the file.
struct OrderKey {
    enum Kind { None, DrawNumber, Date } kind = None;
    int column = 0;
    bool dayFirst = false;  // for numeric dates with the year last
};

// What the user said on the command line; nullopt means "find it".
struct LayoutHints {
    int k = 0, n = 0;
    std::optional<NumberColumns> numbers;
    std::optional<TagColumn> tag;
    bool findOrder = true;  // false with --reverse or --keep-order
};

struct Layout {
    NumberColumns numbers;
    TagColumn tag;
    OrderKey order;
    std::vector<std::string> report;  // which columns were taken, and why
};

// Finds the columns of a results file; throws AppError with advice when
// the numbers cannot be found.
Layout findLayout(const SourceTable& table, const LayoutHints& hints);

// The row's cell at a 1-based column, or nullptr past its end.
const std::string* cellAt(const SourceRow& row, int column);

// The blank-separated items of a cell.
std::vector<std::string_view> items(std::string_view cell);

// "столбец 2 («Winning Numbers»)", "столбцы 2–7 («n1» … «n6»)".
std::string columnsLabel(const SourceTable& table, int first, int last);

}  // namespace trimel::history
