#include "Commands.h"

#include <ostream>

namespace trimel::wheels {

std::string usageText() {
    return "Использование:\n"
           "  trimel-wheels check ФАЙЛ…\n"
           "  trimel-wheels make --numbers V --guarantee T [--tickets B] [--seconds S] [--seed S]\n"
           "                     [--split A] [--from ФАЙЛ] [-o ФАЙЛ]\n";
}

int runWheelTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const std::atomic<bool>* stop) {
    try {
        if (args.empty()) throw ArgumentError{"не указана команда (check или make)"};
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (args[0] == "check") {
            if (rest.empty()) throw ArgumentError{"не указаны файлы для проверки"};
            return checkCommand(rest, out, err);
        }
        if (args[0] == "make") return makeCommand(rest, out, err, stop);
        if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
            out << usageText();
            return 0;
        }
        throw ArgumentError{"неизвестная команда «" + args[0] + "»"};
    } catch (const ArgumentError& e) {
        err << "trimel-wheels: " << e.message << ".\n" << usageText();
        return 2;
    }
}

}  // namespace trimel::wheels
