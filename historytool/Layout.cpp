#include "Layout.h"

#include <algorithm>

#include "DateText.h"
#include "domain/Errors.h"
#include "domain/Utf8.h"

namespace trimel::history {

namespace {

// Lower-case letters and digits of a column name, the rest dropped:
// "DRAW NUMBER", "DrawNumber" and "draw_number" all give "drawnumber".
// Russian capitals are lowered too.
std::string normalName(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c >= 'A' && c <= 'Z')
            out += static_cast<char>(c + 32);
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            out += static_cast<char>(c);
        else if (c == 0xD0 && i + 1 < name.size()) {
            const auto d = static_cast<unsigned char>(name[++i]);
            if (d >= 0x90 && d <= 0x9F)
                out += {'\xD0', static_cast<char>(d + 0x20)};  // А..П
            else if (d >= 0xA0 && d <= 0xAF)
                out += {'\xD1', static_cast<char>(d - 0x20)};  // Р..Я
            else if (d == 0x81)
                out += "\xD1\x91";  // Ё
            else
                out += {'\xD0', static_cast<char>(d)};
        } else if (c >= 0x80) {
            out += static_cast<char>(c);
        }
    }
    return out;
}

enum class NameKind { Other, DrawNumber, Date, Bonus };

NameKind nameKind(std::string_view name) {
    const std::string s = normalName(name);
    const auto has = [&](std::string_view part) { return s.find(part) != std::string::npos; };
    if (has("bonus") || has("bnus") || has("бонус")) return NameKind::Bonus;
    if (has("date") || has("дата")) return NameKind::Date;
    if (has("round") || has("тираж")) return NameKind::DrawNumber;
    for (std::string_view stem : {"draw", "drw"})
        if (s.starts_with(stem)) {
            const std::string_view rest = std::string_view(s).substr(stem.size());
            if (rest.empty() || rest == "no" || rest == "nr" || rest == "num" || rest == "number" ||
                rest == "id")
                return NameKind::DrawNumber;
        }
    return NameKind::Other;
}

// A name ending in an index: "Ball 3" is stem "ball", index 3.
struct IndexedName {
    std::string stem;
    int index = 0;
};

IndexedName indexedName(std::string_view name) {
    const std::string s = normalName(name);
    const auto digits = s.find_last_not_of("0123456789") + 1;
    IndexedName r;
    if (digits == 0 || digits == s.size() || s.size() - digits > 2) return r;
    r.stem = s.substr(0, digits);
    r.index = std::stoi(s.substr(digits));
    return r;
}

bool inRange(std::string_view cell, int n) {
    int v = 0;
    return plainInt(cell, v) && v >= 1 && v <= n;
}

// The row has K numbers in 1..N where the columns say.
bool fits(const SourceRow& row, NumberColumns c, int k, int n) {
    if (c.oneColumn()) {
        const std::string* cell = cellAt(row, c.first);
        if (!cell) return false;
        const auto it = items(*cell);
        return static_cast<int>(it.size()) >= k &&
               std::all_of(it.begin(), it.begin() + k,
                           [n](std::string_view x) { return inRange(x, n); });
    }
    for (int col = c.first; col <= c.last; ++col) {
        const std::string* cell = cellAt(row, col);
        if (!cell || !inRange(*cell, n)) return false;
    }
    return true;
}

// Rows in which the columns hold K numbers in 1..N.
std::ptrdiff_t fitCount(const SourceTable& t, NumberColumns c, int k, int n) {
    return std::count_if(t.rows.begin(), t.rows.end(),
                         [&](const SourceRow& r) { return fits(r, c, k, n); });
}

int columnCount(const SourceTable& t) {
    std::size_t most = t.header ? t.header->cells.size() : 0;
    for (const SourceRow& r : t.rows) most = std::max(most, r.cells.size());
    return static_cast<int>(most);
}

std::string headerName(const SourceTable& t, int column) {
    const std::string* name = t.header ? cellAt(*t.header, column) : nullptr;
    return name ? *name : std::string();
}

// A draw number that counts up or down line by line: in a short file its
// values lie in 1..N like the drawn numbers'.
bool countsLineByLine(const SourceTable& t, int column) {
    if (t.rows.size() < 5) return false;
    bool up = true, down = true;
    int prev = 0;
    for (std::size_t i = 0; i < t.rows.size() && (up || down); ++i) {
        const std::string* cell = cellAt(t.rows[i], column);
        int v = 0;
        if (!cell || !plainInt(*cell, v)) return false;
        up = up && (i == 0 || v > prev);
        down = down && (i == 0 || v < prev);
        prev = v;
    }
    return up || down;
}

bool mostlyIntegers(const SourceTable& t, int column) {
    int v = 0;
    const auto ints = std::count_if(t.rows.begin(), t.rows.end(), [&](const SourceRow& r) {
        const std::string* c = cellAt(r, column);
        return c && plainInt(*c, v);
    });
    return ints > 0 && ints * 10 >= static_cast<std::ptrdiff_t>(t.rows.size()) * 9;
}

// Most cells of the column that hold a digit are dates, read one way;
// the others are reported as bad rows.
std::optional<bool> dateColumn(const SourceTable& t, int column) {
    std::vector<DateParts> dates;
    int filled = 0;
    for (const SourceRow& r : t.rows) {
        const std::string* c = cellAt(r, column);
        if (!c || holdsNoDate(*c)) continue;
        ++filled;
        if (const auto d = splitDate(*c)) dates.push_back(*d);
    }
    const auto dayFirst = dayFirstFor(dates);
    if (!dayFirst) return std::nullopt;
    const auto valid = std::count_if(dates.begin(), dates.end(), [&](const DateParts& d) {
        return dateKey(d, *dayFirst).has_value();
    });
    return valid * 2 > filled ? dayFirst : std::nullopt;
}

struct Finder {
    Finder(const SourceTable& table, const LayoutHints& hints)
        : t(table), h(hints), columns(columnCount(table)) {}

    const SourceTable& t;
    const LayoutHints& h;
    const int columns;
    Layout out;

    bool named(int column, NameKind kind) const { return nameKind(headerName(t, column)) == kind; }
    // A column that cannot hold drawn numbers whatever its values.
    bool excluded(int column) const {
        if (h.tag && h.tag->column == column && h.tag->item == 0) return true;
        return named(column, NameKind::DrawNumber) || named(column, NameKind::Date) ||
               named(column, NameKind::Bonus) || countsLineByLine(t, column);
    }

    // Number columns named "Ball 1" … "Ball K" (any stem, the same for all).
    std::optional<NumberColumns> byHeader() const {
        if (!t.header) return std::nullopt;
        for (int first = 1; first + h.k - 1 <= columns; ++first) {
            const IndexedName start = indexedName(headerName(t, first));
            if (start.index != 1 || nameKind(headerName(t, first)) != NameKind::Other) continue;
            int j = 1;
            while (j < h.k && indexedName(headerName(t, first + j)).stem == start.stem &&
                   indexedName(headerName(t, first + j)).index == j + 1)
                ++j;
            const IndexedName next = indexedName(headerName(t, first + h.k));
            if (j == h.k && !(next.stem == start.stem && next.index == h.k + 1))
                return NumberColumns{first, first + h.k - 1};
        }
        return std::nullopt;
    }

    // The columns that most rows fit, the leftmost of equals; a few bad
    // rows are reported later, not a reason to miss the columns. The other
    // candidates are named in the report.
    std::optional<NumberColumns> byValues(bool oneColumn) {
        std::vector<std::pair<NumberColumns, std::ptrdiff_t>> found;
        const int width = oneColumn ? 1 : h.k;
        for (int first = 1; first + width - 1 <= columns; ++first) {
            const NumberColumns c{first, first + width - 1};
            bool clear = true;
            for (int col = c.first; col <= c.last && clear; ++col) clear = !excluded(col);
            const auto fit = clear ? fitCount(t, c, h.k, h.n) : 0;
            if (fit * 2 > static_cast<std::ptrdiff_t>(t.rows.size())) found.emplace_back(c, fit);
        }
        if (found.empty()) return std::nullopt;
        const auto best =
            std::max_element(found.begin(), found.end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; });
        for (const auto& [c, fit] : found)
            if (c.first != best->first.first)
                out.report.push_back("  подходят и " + columnsLabel(t, c.first, c.last) +
                                     "; если числа не те, укажите их: --numbers.");
        return best->first;
    }

    void findNumbers() {
        std::string how;
        if (h.numbers) {
            out.numbers = *h.numbers;
            how = "заданы --numbers";
        } else if (auto c = byHeader()) {
            out.numbers = *c;
            how = "по заголовку";
        } else if (h.k > 1 && (c = byValues(true))) {
            out.numbers = *c;
            how = "по значениям";
        } else if ((c = byValues(false))) {
            out.numbers = *c;
            how = "по значениям";
        } else {
            throw AppError("Не найдены столбцы с " + std::to_string(h.k) + " числами от 1 до " +
                           std::to_string(h.n) +
                           ". Проверьте --k и --n или укажите столбцы: --numbers A-B (по числу в "
                           "каждом из столбцов A..B) "
                           "или --numbers C (все числа в столбце C через пробел).");
        }
        std::string what = "Числа: " + columnsLabel(t, out.numbers.first, out.numbers.last);
        if (out.numbers.oneColumn() && h.k > 1)
            what += ", первые " + std::to_string(h.k) + " через пробел";
        out.report.insert(out.report.begin(), what + " — " + how + ".");
    }

    void findTag() {
        if (h.tag) {
            out.tag = *h.tag;
        } else if (out.numbers.oneColumn() && h.k > 1) {
            // One more number after the K drawn ones is the bonus ball.
            const auto longer =
                std::count_if(t.rows.begin(), t.rows.end(), [&](const SourceRow& r) {
                    const std::string* c = cellAt(r, out.numbers.first);
                    return c && static_cast<int>(items(*c).size()) == h.k + 1;
                });
            if (longer * 2 > static_cast<std::ptrdiff_t>(t.rows.size()))
                out.tag = {out.numbers.first, h.k + 1};
        }
        for (int col = 1; col <= columns && !h.tag && out.tag.column == 0; ++col)
            if (named(col, NameKind::Bonus) && (col < out.numbers.first || col > out.numbers.last))
                out.tag = {col, 0};
        if (out.tag.column == 0)
            out.report.push_back("Метка: нет.");
        else if (out.tag.item > 0)
            out.report.push_back("Метка: " + columnsLabel(t, out.tag.column, out.tag.column) +
                                 ", число " + std::to_string(out.tag.item) + ".");
        else
            out.report.push_back("Метка: " + columnsLabel(t, out.tag.column, out.tag.column) + ".");
    }

    void findOrder() {
        const auto free = [&](int col) {
            return (col < out.numbers.first || col > out.numbers.last) &&
                   !(col == out.tag.column && out.tag.item == 0);
        };
        // A column named as the draw number first, then one that counts.
        for (const bool byName : {true, false})
            for (int col = 1; col <= columns; ++col)
                if (free(col) && mostlyIntegers(t, col) &&
                    (byName ? named(col, NameKind::DrawNumber) : countsLineByLine(t, col))) {
                    out.order = {OrderKey::DrawNumber, col, false};
                    return;
                }
        for (int col = 1; col <= columns; ++col)
            if (free(col))
                if (const auto dayFirst = dateColumn(t, col)) {
                    out.order = {OrderKey::Date, col, *dayFirst};
                    return;
                }
    }
};

}  // namespace

const std::string* cellAt(const SourceRow& row, int column) {
    if (column < 1 || column > static_cast<int>(row.cells.size())) return nullptr;
    return &row.cells[static_cast<std::size_t>(column - 1)];
}

std::vector<std::string_view> items(std::string_view cell) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < cell.size()) {
        while (i < cell.size() && (cell[i] == ' ' || cell[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < cell.size() && cell[i] != ' ' && cell[i] != '\t') ++i;
        if (i > start) out.push_back(cell.substr(start, i - start));
    }
    return out;
}

std::string columnsLabel(const SourceTable& t, int first, int last) {
    std::string label = first == last
                            ? "столбец " + std::to_string(first)
                            : "столбцы " + std::to_string(first) + "–" + std::to_string(last);
    // Names as the file has them, which need not be UTF-8, nor short.
    const auto shown = [&](int column) {
        return toValidUtf8(std::string_view(headerName(t, column)).substr(0, 40));
    };
    const std::string a = shown(first), b = shown(last);
    if (first == last && !a.empty())
        label += " («" + a + "»)";
    else if (first != last && !a.empty() && !b.empty())
        label += " («" + a + "» … «" + b + "»)";
    return label;
}

Layout findLayout(const SourceTable& table, const LayoutHints& hints) {
    Finder f(table, hints);
    f.findNumbers();
    f.findTag();
    if (hints.findOrder) f.findOrder();
    return std::move(f.out);
}

}  // namespace trimel::history
