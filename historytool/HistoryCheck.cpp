#include "HistoryCheck.h"

#include <algorithm>
#include <fstream>
#include <optional>

#include "domain/DrawFileLayout.h"
#include "domain/DrawHistory.h"
#include "domain/Errors.h"
#include "domain/IntText.h"
#include "domain/TextFile.h"
#include "domain/Utf8.h"

namespace trimel::history {

namespace {

constexpr std::size_t kListedLines = 5;  // line numbers named per warning

// What loads but is likely wrong: a kind of finding and its lines.
struct Finding {
    std::string what;
    std::vector<int> lines;
    void add(int line) { lines.push_back(line); }
};

bool blank(std::string_view s) {
    return s.find_first_not_of(' ') == std::string_view::npos;
}

// The line after a column.
std::string_view rest(std::string_view line, int column) {
    return line.substr(std::min(line.size(), static_cast<std::size_t>(column)));
}

// The columns strictly between two fields, which the reader skips.
std::string_view between(std::string_view line, drawfile::Field a, drawfile::Field b) {
    return columns(line, a.last() + 1, b.first - a.last() - 1);
}

// The lines with characters where the reader reads nothing: the one thing
// about a loaded file that its draws do not tell.
Finding unreadColumns(const std::string& path, int k, int draws) {
    Finding f{
        "знаки в столбцах, которые программа не читает (числа сдвинуты или K в заголовке не тот?)",
        {}};
    TextFile file(path);
    const std::string_view header = file.readLine();
    if (!blank(between(header, drawfile::kHeaderK, drawfile::kHeaderN)) ||
        !blank(rest(header, drawfile::kHeaderN.last())))
        f.add(1);
    const drawfile::Field lastNumber = drawfile::number(k > 0 ? k : 0), tag = drawfile::tag(k);
    for (int line = 2; line <= draws + 1; ++line) {
        const std::string_view text = file.readLine();
        if (!blank(between(text, drawfile::kDrawNumber, drawfile::number(1))) ||
            !blank(between(text, lastNumber, tag)) || !blank(rest(text, tag.last())))
            f.add(line);
    }
    return f;
}

// The draws as loaded: numbers outside 1..N or repeated, and draw numbers
// that do not rise.
std::vector<Finding> drawFindings(const AppState& state) {
    Finding outOfRange{"числа вне 1.." + intToStr(state.N), {}};
    Finding repeats{"числа, повторённые в тираже", {}};
    Finding descending{"номер тиража не больше предыдущего (первым должен идти самый старый тираж)",
                       {}};
    for (int d = 1; d <= state.D; ++d) {
        const tyr& draw = state.draws[static_cast<std::size_t>(d)];
        const int line = d + 1;
        if (d > 1 && draw.drawNumber <= state.draws[static_cast<std::size_t>(d - 1)].drawNumber)
            descending.add(line);
        bool outside = false, repeated = false;
        for (int j = 1; j <= state.K; ++j) {
            const std::int32_t x = draw.numbers[static_cast<std::size_t>(j)];
            outside = outside || x < 1 || x > state.N;
            for (int i = 1; i < j; ++i)
                repeated = repeated || draw.numbers[static_cast<std::size_t>(i)] == x;
        }
        if (outside) outOfRange.add(line);
        if (repeated) repeats.add(line);
    }
    return {outOfRange, repeats, descending};
}

std::string lineList(const std::vector<int>& lines) {
    std::string s;
    for (std::size_t i = 0; i < lines.size() && i < kListedLines; ++i)
        s += (i ? ", " : "") + intToStr(lines[i]);
    if (lines.size() > kListedLines)
        s += " … (всего " + intToStr(static_cast<std::int64_t>(lines.size())) + ")";
    return s;
}

bool startsWithBom(const std::string& path) {
    char head[3] = {};
    std::ifstream(path, std::ios::binary).read(head, 3);
    return std::string_view(head, 3) == "\xEF\xBB\xBF";
}

// Why the field fails, in the words a user can act on.
std::string hint(const AppError& e, const FilePlace& f, bool bom) {
    if (dynamic_cast<const LimitError*>(&e)) return "";
    if (f.line == 1 && bom)
        return "Файл начинается с метки порядка байтов UTF-8 (BOM): сохраните его без неё.";
    if (f.lineText.empty())
        return f.lastLine ? "Пустая строка в конце файла: удалите её."
                          : "Пустая строка: удалите её.";
    const std::string_view text =
        columns(f.lineText, f.firstColumn, f.lastColumn - f.firstColumn + 1);
    if (static_cast<int>(text.size()) < f.lastColumn - f.firstColumn + 1)
        return "Строка короче, чем нужно: поле занимает столбцы " + intToStr(f.firstColumn) + "–" +
               intToStr(f.lastColumn) + ".";
    if (text.back() == ' ' && text.find_first_of("0123456789") != std::string_view::npos)
        return "Однозначное число пишется с ведущим нулём или пробелом («07» или « 7»), не с "
               "пробелом после.";
    return "";
}

void reportRefusal(const AppError& e, const std::string& path, std::vector<std::string>& out) {
    const std::string programSays = errorReportText(e.what());
    if (!e.place()) {
        out.push_back("  " + programSays);
        return;
    }
    const FilePlace& f = *e.place();
    out.push_back("  строка " + intToStr(f.line) + ", столбцы " + intToStr(f.firstColumn) + "–" +
                  intToStr(f.lastColumn) + " (" + f.field + "): " + programSays);
    // Quoted as the program quotes a file: a control character would act on the terminal.
    out.push_back("  строка: «" + visibleText(f.lineText) + "»");
    if (const std::string h = hint(e, f, startsWithBom(path)); !h.empty()) out.push_back("  " + h);
    // A history has no delimiters; a results file as published has them.
    if (f.lineText.find_first_of(",;\t") != std::string::npos)
        out.push_back(
            "  Похоже, это файл результатов лотереи, а не история тиражей: переведите его командой "
            "«trimel-history import " +
            toValidUtf8(path) + " --k K --n N».");
}

}  // namespace

CheckResult checkHistory(const std::string& path) {
    CheckResult r;
    const std::string shown = "«" + toValidUtf8(path) + "»";
    AppState state;
    DrawLoadResult loaded;
    try {
        loaded = loadDrawHistory(state, path);
    } catch (const IoError& e) {
        r.report.push_back("Программа не откроет файл " + shown + ": " + errorReportText(e.what()));
        return r;
    } catch (const AppError& e) {
        r.report.push_back("Программа не загрузит файл " + shown + ":");
        reportRefusal(e, path, r.report);
        return r;
    }

    r.loads = true;
    r.report.push_back("Программа загрузит файл " + shown + ":");
    r.report.push_back("  K = " + intToStr(state.K) +
                       " (чисел в тираже), N = " + intToStr(state.N) +
                       " (числа от 1 до N), тиражей D = " + intToStr(state.D) + ".");
    r.report.push_back("  Размеры частей, которые она предложит: " + loaded.part1Text + " и " +
                       loaded.part2Text + ".");

    std::vector<Finding> findings = drawFindings(state);
    findings.push_back(unreadColumns(path, state.K, state.D));
    std::vector<std::string> warnings;
    if (!loaded.notice.empty()) warnings.push_back(loaded.notice);
    if (state.K < 1 || state.N < state.K)
        warnings.push_back("K и N в заголовке не подходят для лотереи: нужно 1 ≤ K ≤ N.");
    if (state.D == 0) warnings.push_back("В файле нет ни одного тиража.");
    for (const Finding& f : findings)
        if (!f.lines.empty())
            warnings.push_back(f.what + (f.lines.size() == 1 ? ": строка " : ": строки ") +
                               lineList(f.lines) + ".");
    if (startsWithBom(path))
        warnings.push_back(
            "Файл начинается с метки порядка байтов UTF-8 (BOM); прежние версии программы такой "
            "файл не загружают.");

    if (warnings.empty()) {
        r.report.push_back("Замечаний нет.");
    } else {
        r.report.push_back("Предупреждения:");
        for (const std::string& s : warnings) r.report.push_back("  " + s);
    }
    return r;
}

}  // namespace trimel::history
