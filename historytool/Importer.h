#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Layout.h"

namespace trimel::history {

// The most draws an imported file keeps: the program's table holds 10000,
// but the draw number field has room for four digits.
inline constexpr int kMaxImportedDraws = 9999;

struct ImportOptions {
    LayoutHints layout;             // K, N and the columns the user named
    std::optional<char> delimiter;  // nullopt: guessed
    enum class Order { Auto, Reverse, Keep } order = Order::Auto;
    bool skipBad = false;     // write the good rows despite bad ones
    std::optional<int> from;  // YYYYMMDD: drop the draws before that day
};

struct ImportResult {
    std::string history;               // the draw history file; empty when nothing may be written
    std::vector<std::string> report;   // what was read and taken, with notes
    std::vector<std::string> badRows;  // one line each: where, what is wrong, the row's text
    int draws = 0;
};

// Turns the text of a lottery's results file into a draw history: the
// draws oldest first, numbered from 0001, each with K distinct numbers in
// 1..N. Throws AppError when the file cannot be imported at all.
ImportResult importHistory(std::string_view source, const ImportOptions& options);

}  // namespace trimel::history
