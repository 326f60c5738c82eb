#include <exception>
#include <iostream>

#include "historytool/Cli.h"

int main(int argc, char** argv) {
    try {
        return trimel::history::runHistoryTool({argv + (argc > 0 ? 1 : 0), argv + argc}, std::cout,
                                               std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "trimel-history: сбой: " << e.what() << "\n";
        return 1;
    }
}
