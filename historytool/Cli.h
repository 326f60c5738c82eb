#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace trimel::history {

// The whole program: `args` without the program's name. Returns the exit
// code: 0 done, 1 the file cannot be imported or would be refused, 2 bad
// arguments.
int runHistoryTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace trimel::history
