#pragma once

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace trimel::wheels {

// The wheel tool: `check FILE…` and `make …` (see usageText). Reports go
// to `out`, progress and messages to `err`. Returns the exit code: 0 when
// all went well, 1 when a wheel fails or cannot be read or written, 2 for
// bad arguments. `stop`, when set (Ctrl+C), ends a search early; the best
// wheel found is still written.
int runWheelTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const std::atomic<bool>* stop = nullptr);

std::string usageText();

// The commands themselves, with their arguments after the command's name.
int checkCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
int makeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const std::atomic<bool>* stop);

// A command-line argument that cannot be used; the message says why.
struct ArgumentError {
    std::string message;
};

}  // namespace trimel::wheels
