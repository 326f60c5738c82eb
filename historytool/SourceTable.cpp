#include "SourceTable.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <fstream>

#include "domain/Errors.h"
#include "domain/Utf8.h"

namespace trimel::history {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";
constexpr std::size_t kQuotedLineBytes = 240;  // of a line quoted in a message

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// Splits one line at the delimiter; a cell that starts with a double quote
// may hold the delimiter up to its closing quote, and "" in it is one quote.
std::vector<std::string> splitCells(std::string_view line, char delimiter) {
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                cell += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                cell += line[++i];
            else
                quoted = false;
        } else if (c == '"' && trimmed(cell).empty()) {
            quoted = true;
            cell.clear();
        } else if (c == delimiter && delimiter != '\0') {
            cells.emplace_back(trimmed(cell));
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.emplace_back(trimmed(cell));
    return cells;
}

// Count of a delimiter outside quotes.
int delimiterCount(std::string_view line, char d) {
    int count = 0;
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (c == d && !quoted)
            ++count;
    }
    return count;
}

// A true delimiter stands on every one of the first lines, and as often
// on each; failing such a one, the one that every line holds most often.
char guessDelimiter(const std::vector<std::string_view>& lines) {
    char best = '\0';
    std::pair<bool, int> bestScore{false, 0};  // (as often on each line, fewest on a line)
    for (char d : {',', ';', '\t'}) {
        int least = -1, most = 0;
        for (std::string_view line : lines) {
            const int c = delimiterCount(line, d);
            least = least < 0 ? c : std::min(least, c);
            most = std::max(most, c);
        }
        const std::pair<bool, int> score{least == most, least};
        if (least > 0 && score > bestScore) {
            best = d;
            bestScore = score;
        }
    }
    return best;
}

// Names of columns may end in a digit ("Ball 1"), values start with one
// (a number, a date, "02 14 19 30").
bool holdsValues(const std::vector<std::string>& cells) {
    return std::any_of(cells.begin(), cells.end(), [](const std::string& c) {
        return !c.empty() && c[0] >= '0' && c[0] <= '9';
    });
}

}  // namespace

bool plainInt(std::string_view text, int& value) {
    if (text.empty() || text.size() > 9) return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    value = v;
    return true;
}

std::optional<char> delimiterFromName(std::string_view name) {
    if (name == "tab" || name == "\\t") return '\t';
    if (name.size() == 1 && name[0] != '"' && name[0] != ' ') return name[0];
    return std::nullopt;
}

std::string delimiterName(char delimiter) {
    if (delimiter == '\t') return "табуляция";
    if (delimiter == '\0') return "нет (строка — одна ячейка)";
    return std::string("«") + delimiter + "»";
}

SourceTable parseSourceTable(std::string_view text, std::optional<char> delimiter) {
    if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());

    struct Line {
        int number;
        std::string_view text;
    };
    std::vector<Line> lines;
    std::vector<std::string_view> filled;
    int number = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        auto end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++number;
        pos = end + 1;
        if (trimmed(line).empty()) continue;
        lines.push_back({number, line});
        // Lines of values tell the delimiter; a title above the header may have none.
        if (filled.size() < 20 &&
            line.find_first_of("0123456789") == line.find_first_not_of(" \t\""))
            filled.push_back(line);
    }

    SourceTable table;
    if (filled.empty())
        for (std::size_t i = 0; i < lines.size() && i < 20; ++i) filled.push_back(lines[i].text);
    table.delimiter = delimiter ? *delimiter : guessDelimiter(filled);
    bool inData = false;
    for (const Line& l : lines) {
        SourceRow row;
        row.line = l.number;
        row.text = toValidUtf8(l.text.substr(0, kQuotedLineBytes));
        if (l.text.size() > kQuotedLineBytes) row.text += "…";
        row.cells = splitCells(l.text, table.delimiter);
        // A line of empty cells (";;;;") is as blank as an empty one.
        if (std::all_of(row.cells.begin(), row.cells.end(),
                        [](const std::string& c) { return c.empty(); }))
            continue;
        if (!inData && !holdsValues(row.cells)) {
            if (table.header) ++table.skippedTitleLines;
            table.header = std::move(row);
            continue;
        }
        inData = true;
        table.rows.push_back(std::move(row));
    }
    return table;
}

namespace {

std::string reason(int err) {
    switch (err) {
        case EACCES:
        case EPERM:
            return "нет прав на чтение";
        case EISDIR:
            return "это папка";
        default:
            return "ошибка системы " + std::to_string(err);
    }
}

}  // namespace

std::string readSourceFile(const std::string& path) {
    const std::string shown = "«" + toValidUtf8(path) + "»";
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) throw AppError("Файл " + shown + " не найден.");
        throw AppError("Не удалось открыть файл " + shown + ": " + reason(errno) + ".");
    }
    // A pipe or a device could keep the reader waiting for ever.
    if (!S_ISREG(info.st_mode)) throw AppError(shown + " — не обычный файл.");
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxSourceBytes)
        throw AppError("Файл " + shown +
                       " слишком велик: файл результатов лотереи занимает несколько мегабайт.");

    std::ifstream in(path, std::ios::binary);
    if (!in) throw AppError("Не удалось открыть файл " + shown + ": " + reason(errno) + ".");
    std::string data(static_cast<std::size_t>(info.st_size), '\0');
    in.read(data.data(), static_cast<std::streamsize>(data.size()));
    data.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) throw AppError("Не удалось прочитать файл " + shown + ".");
    if (data.find('\0') != std::string::npos)
        throw AppError("Файл " + shown + " — не текст: в нём есть нулевые байты.");
    return data;
}

}  // namespace trimel::history
