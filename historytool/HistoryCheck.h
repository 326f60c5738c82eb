#pragma once

#include <string>
#include <vector>

namespace trimel::history {

struct CheckResult {
    bool loads = false;               // the program would load the file
    std::vector<std::string> report;  // lines for the user
};

// Loads a draw history file as the program does and says what it would
// do with it: K, N, D and the proposed part sizes, or the line and columns
// of the field it refuses with its own message; and what loads but is
// likely wrong.
CheckResult checkHistory(const std::string& path);

}  // namespace trimel::history
