#include <atomic>
#include <csignal>
#include <iostream>

#include "Commands.h"

namespace {

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int) {
    // The first Ctrl+C ends the search with its best wheel; a second one
    // ends the program at once.
    interrupted = true;
    std::signal(SIGINT, SIG_DFL);
}

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGINT, onInterrupt);
    std::ios::sync_with_stdio(false);
    return trimel::wheels::runWheelTool({argv + 1, argv + argc}, std::cout, std::cerr,
                                        &interrupted);
}
