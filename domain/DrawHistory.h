#pragma once

#include <string>

#include "State.h"

namespace trimel {

// What a successful load proposes and has to say.
struct DrawLoadResult {
    std::string part1Text;  // proposal for the "1-ая часть" edit
    std::string part2Text;  // proposal for the "2-ая часть" edit
    std::string notice;     // non-empty when the file was cut to the table
};

// Loads a draw history file into the state. D is set to 0 first; on an
// error the state is left as far as the load got and the error is thrown
// (ConvertError, IoError, LimitError); a field's error carries its place in
// the file (AppError::place).
DrawLoadResult loadDrawHistory(AppState& state, const std::string& path);

// The two part sizes proposed for a range top: N / 2 rounded half to even,
// and N minus that.
void proposePartSizes(std::int32_t n, std::string& part1, std::string& part2);

}  // namespace trimel
