#include <cstdio>
#include <ostream>

#include "Binomial.h"
#include "Commands.h"
#include "WheelCheck.h"
#include "WheelFile.h"
#include "WheelText.h"
#include "domain/Errors.h"
#include "domain/IntText.h"
#include "domain/Utf8.h"

namespace trimel::wheels {

namespace {

std::string percent(std::uint64_t part, std::uint64_t whole) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f",
                  whole ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0);
    std::string s = text;
    for (char& c : s)
        if (c == '.') c = ',';
    return s + " %";
}

// Where the reader failed, with a hint for the usual slips.
void reportPlace(const FilePlace& f, std::ostream& out) {
    out << "  строка " << f.line << ", столбцы " << f.firstColumn << "–" << f.lastColumn << " ("
        << f.field << "): «" << visibleText(f.lineText)
        << "»\n";  // control characters shown as the program shows them
    const std::string_view text =
        columns(f.lineText, f.firstColumn, f.lastColumn - f.firstColumn + 1);
    if (f.lineText.empty())
        out << (f.lastLine ? "  Пустая строка в конце файла: удалите её.\n"
                           : "  Пустая строка: удалите её.\n");
    else if (static_cast<int>(text.size()) < f.lastColumn - f.firstColumn + 1)
        out << "  Строка короче, чем нужно: поле занимает столбцы " << f.firstColumn << "–"
            << f.lastColumn << ".\n";
    else if (f.line > 5 && text.back() == ' ')
        out << "  Позиция пишется двумя цифрами («07»), не с пробелом после.\n";
}

// Prints the verdict on one file; true when it holds.
bool checkOne(const std::string& path, std::ostream& out) {
    WheelFile f;
    try {
        f = readWheelFile(path);
    } catch (const AppError& e) {
        out << path << ": НЕ ЧИТАЕТСЯ — " << errorReportText(e.what()) << "\n";
        if (e.place()) reportPlace(*e.place(), out);
        return false;
    }
    const Wheel& w = f.wheel;
    const int v = w.numberCount, t = w.guarantee;
    const bool checkable = v >= kTicketSize && v <= kMaxNumbers && t >= 1 && t <= kTicketSize;
    WheelFigures figures;
    if (checkable) figures = checkWheel(v, t, f.tickets);
    const bool good = f.usable() && checkable && figures.holds();

    out << path << ": " << (good ? "верна" : "НЕВЕРНА") << " — "
        << wheelTitle(v, t, w.ticketCount, true) << ".\n";
    for (const std::string& n : f.notices) out << "  " << n << "\n";
    for (const std::string& fault : f.faults) out << "  Ошибка: " << fault << ".\n";
    if (!checkable) {
        out << "  Гарантия не проверялась.\n";
        return false;
    }
    const ReachCount& g = figures.guarantee;
    const std::string all = "сочетаний по 6 из " + std::to_string(v);
    if (figures.holds()) {
        out << "  Гарантия выполняется: каждое из " << g.total << " " << all
            << " совпадает с каким-либо билетом не менее чем в " << t << " числах.\n";
    } else {
        out << "  Гарантия не выполняется: " << g.total - g.reached << " из " << g.total << " "
            << all << " не совпадают ни с одним билетом в " << t << " числах, например:\n";
        for (std::uint64_t m : g.firstMissed) out << "    " << positionsText(m) << "\n";
    }
    if (t < 6)
        out << "  Совпадают с каким-либо билетом в " << t + 1
            << " числах и более: " << figures.beyond << " (" << percent(figures.beyond, g.total)
            << ").\n";
    out << "  Билетов на число: от " << figures.leastUse << " до " << figures.mostUse << ".\n";
    if (t < 3 || t > 5) out << "  Программа показывает только системы с гарантией 3, 4 и 5.\n";
    return good;
}

}  // namespace

int checkCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream&) {
    int good = 0;
    for (const std::string& path : files) good += checkOne(path, out);
    const int bad = static_cast<int>(files.size()) - good;
    if (files.size() > 1)
        out << "Проверено файлов: " << files.size() << ", верных: " << good << ", неверных: " << bad
            << ".\n";
    return bad ? 1 : 0;
}

}  // namespace trimel::wheels
