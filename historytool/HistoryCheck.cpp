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

// The first field the reader cannot convert, or a K beyond its table.
struct Fault {
    int line = 0;
    drawfile::Field field{};
    std::string name;      // which field, for the user
    std::string text;      // the field as cut from the line
    std::string lineText;  // the whole line
    bool lineEmpty = false;
    bool lastLine = false;  // nothing follows the line in the file
    bool kTooLarge = false;
};

// What loads but is likely wrong: a kind of finding and its lines.
struct Finding {
    std::string what;
    std::vector<int> lines;
    void add(int line) { lines.push_back(line); }
};

// One walk over the file with the reader's own line splitting and columns.
struct Walk {
    std::optional<Fault> fault;
    Finding outOfRange{"числа вне 1..N", {}};
    Finding repeats{"числа, повторённые в тираже", {}};
    Finding unread{"знаки в столбцах, которые программа не читает (числа сдвинуты или K в заголовке не тот?)", {}};
    Finding descending{"номер тиража не больше предыдущего (первым должен идти самый старый тираж)", {}};
    bool lastLineBlank = false;
};

bool blank(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

// The line after a column.
std::string_view rest(std::string_view line, int column) {
    return line.substr(std::min(line.size(), static_cast<std::size_t>(column)));
}

// The columns strictly between two fields, which the reader skips.
std::string_view between(std::string_view line, drawfile::Field a, drawfile::Field b) {
    return columns(line, a.last() + 1, b.first - a.last() - 1);
}

Walk walkHistory(const std::string& path) {
    Walk w;
    TextFile file(path);
    const auto failAt = [&](int line, drawfile::Field f, std::string name, std::string_view text) {
        w.fault = Fault{line, f, std::move(name), std::string(drawfile::cut(text, f)), toValidUtf8(text), text.empty()};
        w.fault->lastLine = file.atEnd();  // after the copies: it may read on
    };

    const std::string_view header = file.readLine();
    std::int32_t k = 0, n = 0;
    if (!tryStrToInt(drawfile::cut(header, drawfile::kHeaderK), k)) {
        failAt(1, drawfile::kHeaderK, "K", header);
        return w;
    }
    if (k > kMaxDrawNumbers) {
        failAt(1, drawfile::kHeaderK, "K", header);
        w.fault->kTooLarge = true;
        return w;
    }
    if (!tryStrToInt(drawfile::cut(header, drawfile::kHeaderN), n)) {
        failAt(1, drawfile::kHeaderN, "N", header);
        return w;
    }
    if (!blank(between(header, drawfile::kHeaderK, drawfile::kHeaderN)) || !blank(rest(header, drawfile::kHeaderN.last())))
        w.unread.add(1);
    w.outOfRange.what = "числа вне 1.." + intToStr(n);

    const drawfile::Field lastNumber = drawfile::number(k > 0 ? k : 0), tag = drawfile::tag(k);
    std::int32_t previous = 0;
    for (int line = 2, d = 0; !file.atEnd() && d < kMaxDraws; ++line, ++d) {
        const std::string_view text = file.readLine();
        w.lastLineBlank = blank(text);
        std::int32_t drawNumber = 0;
        if (!tryStrToInt(drawfile::cut(text, drawfile::kDrawNumber), drawNumber)) {
            failAt(line, drawfile::kDrawNumber, "номер тиража", text);
            return w;
        }
        if (d > 0 && drawNumber <= previous) w.descending.add(line);
        previous = drawNumber;
        bool outside = false, repeated = false;
        std::vector<std::int32_t> seen;
        for (int j = 1; j <= k; ++j) {
            std::int32_t x = 0;
            if (!tryStrToInt(drawfile::cut(text, drawfile::number(j)), x)) {
                failAt(line, drawfile::number(j), "число " + intToStr(j), text);
                return w;
            }
            outside = outside || x < 1 || x > n;
            repeated = repeated || std::find(seen.begin(), seen.end(), x) != seen.end();
            seen.push_back(x);
        }
        if (outside) w.outOfRange.add(line);
        if (repeated) w.repeats.add(line);
        if (!blank(between(text, drawfile::kDrawNumber, drawfile::number(1))) || !blank(between(text, lastNumber, tag)) ||
            !blank(rest(text, tag.last())))
            w.unread.add(line);
    }
    return w;
}

std::string lineList(const std::vector<int>& lines) {
    std::string s;
    for (std::size_t i = 0; i < lines.size() && i < kListedLines; ++i) s += (i ? ", " : "") + intToStr(lines[i]);
    if (lines.size() > kListedLines) s += " … (всего " + intToStr(static_cast<std::int64_t>(lines.size())) + ")";
    return s;
}

bool startsWithBom(const std::string& path) {
    char head[3] = {};
    std::ifstream(path, std::ios::binary).read(head, 3);
    return std::string_view(head, 3) == "\xEF\xBB\xBF";
}

// Why the field fails, in the words a user can act on.
std::string hint(const Fault& f, bool bom) {
    if (f.kTooLarge) return "";
    if (f.line == 1 && bom) return "Файл начинается с метки порядка байтов UTF-8 (BOM): сохраните его без неё.";
    if (f.lineEmpty) return f.lastLine ? "Пустая строка в конце файла: удалите её."
                                                 : "Пустая строка: удалите её.";
    if (f.text.empty() || static_cast<int>(f.text.size()) < f.field.count)
        return "Строка короче, чем нужно: поле занимает столбцы " + intToStr(f.field.first) + "–" +
               intToStr(f.field.last()) + ".";
    if (f.text.back() == ' ')
        return "Однозначное число пишется с ведущим нулём или пробелом («07» или « 7»), не с пробелом после.";
    return "";
}

void reportRefusal(const std::string& message, const Walk& w, bool bom, std::vector<std::string>& out) {
    const std::string programSays = errorReportText(message);
    const auto& f = w.fault;
    // The walk names the field only when it fails the way the reader did.
    const bool found = f && (f->kTooLarge ? message.find(intToStr(kMaxDrawNumbers)) != std::string::npos
                                          : message == convertErrorMessage(f->text));
    if (!found) {
        out.push_back("  " + programSays);
        return;
    }
    out.push_back("  строка " + intToStr(f->line) + ", столбцы " + intToStr(f->field.first) + "–" +
                  intToStr(f->field.last()) + " (" + f->name + "): " + programSays);
    out.push_back("  строка: «" + f->lineText + "»");
    if (const std::string h = hint(*f, bom); !h.empty()) out.push_back("  " + h);
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
        reportRefusal(e.what(), walkHistory(path), startsWithBom(path), r.report);
        return r;
    }

    r.loads = true;
    r.report.push_back("Программа загрузит файл " + shown + ":");
    r.report.push_back("  K = " + intToStr(state.K) + " (чисел в тираже), N = " + intToStr(state.N) +
                       " (числа от 1 до N), тиражей D = " + intToStr(state.D) + ".");
    r.report.push_back("  Размеры частей, которые она предложит: " + loaded.part1Text + " и " + loaded.part2Text + ".");

    const Walk w = walkHistory(path);
    std::vector<std::string> warnings;
    if (!loaded.notice.empty()) warnings.push_back(loaded.notice);
    if (state.K < 1 || state.N < state.K) warnings.push_back("K и N в заголовке не подходят для лотереи: нужно 1 ≤ K ≤ N.");
    if (state.D == 0) warnings.push_back("В файле нет ни одного тиража.");
    for (const Finding* f : {&w.outOfRange, &w.repeats, &w.descending, &w.unread})
        if (!f->lines.empty()) warnings.push_back(f->what + (f->lines.size() == 1 ? ": строка " : ": строки ") + lineList(f->lines) + ".");
    if (w.lastLineBlank) warnings.push_back("Пустая строка в конце файла; прежние версии программы такой файл не загружают.");
    if (startsWithBom(path))
        warnings.push_back("Файл начинается с метки порядка байтов UTF-8 (BOM); прежние версии программы такой файл не загружают.");

    if (warnings.empty()) {
        r.report.push_back("Замечаний нет.");
    } else {
        r.report.push_back("Предупреждения:");
        for (const std::string& s : warnings) r.report.push_back("  " + s);
    }
    return r;
}

}  // namespace trimel::history
