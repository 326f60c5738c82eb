#pragma once

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

#include "Maker.h"

namespace trimel::wheels {

// The wheel tool: `check FILE…` and `make …` (see its --help). Reports go
// to `out`, progress and messages to `err`. Returns the exit code: 0 when
// all went well, 1 when a wheel fails or cannot be read or written, 2 for
// bad arguments. `stop`, when set (Ctrl+C), ends a search early; the best
// wheel found is still written.
int runWheelTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const std::atomic<bool>* stop = nullptr);

// What `make` is asked for.
struct MakeOptions {
    MakeRequest request;
    std::string output;  // empty: standard output
    std::string from;
    bool force = false;  // write over an existing output file
    int jobs = 0;        // searches side by side; 0: one on every core
    std::string method;  // "anneal", "weighted" or "orbits"; empty: the tool chooses
};

// The commands themselves, once their arguments are parsed.
int checkCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
int makeCommand(MakeOptions options, std::ostream& out, std::ostream& err,
                const std::atomic<bool>* stop);

}  // namespace trimel::wheels
