#include "Importer.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "DateText.h"
#include "domain/DrawFileLayout.h"
#include "domain/Errors.h"
#include "domain/Utf8.h"

namespace trimel::history {

namespace {

constexpr std::size_t kListedNotes = 5;  // occurrences named one by one

struct Draw {
    const SourceRow* row = nullptr;
    std::optional<int> key;  // draw number or date, when the row has one
    std::vector<int> numbers;
    std::string tag;

    auto identity() const { return std::make_tuple(key, numbers, tag); }
};

// A cell's text in a message.
std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 60;
    return "«" + toValidUtf8(text.substr(0, kShown)) + (text.size() > kShown ? "…»" : "»");
}

// Reads one row; on a fault returns false with the reason in `why`.
class RowReader {
  public:
    RowReader(const Layout& l, int k, int n) : l_(l), k_(k), n_(n) {}

    bool read(const SourceRow& row, Draw& d, std::string& why) const {
        d.row = &row;
        return readNumbers(row, d, why) && readTag(row, d, why) && readKey(row, d, why);
    }

  private:
    bool readNumbers(const SourceRow& row, Draw& d, std::string& why) const {
        const NumberColumns c = l_.numbers;
        std::vector<std::pair<std::string_view, int>> cells;  // text and its column
        if (c.oneColumn()) {
            const std::string* cell = cellAt(row, c.first);
            const auto it = cell ? items(*cell) : std::vector<std::string_view>{};
            if (static_cast<int>(it.size()) < k_) {
                why = "в столбце " + std::to_string(c.first) + " меньше " + std::to_string(k_) +
                      " чисел";
                return false;
            }
            for (int j = 0; j < k_; ++j)
                cells.emplace_back(it[static_cast<std::size_t>(j)], c.first);
        } else {
            for (int col = c.first; col <= c.last; ++col) {
                const std::string* cell = cellAt(row, col);
                if (!cell) {
                    why = "нет столбца " + std::to_string(col);
                    return false;
                }
                cells.emplace_back(*cell, col);
            }
        }
        for (const auto& [text, col] : cells) {
            int v = 0;
            if (!plainInt(text, v)) {
                why = quoted(text) + " в столбце " + std::to_string(col) + " — не целое число";
                return false;
            }
            if (v < 1 || v > n_) {
                why = "число " + std::to_string(v) + " в столбце " + std::to_string(col) +
                      " вне 1.." + std::to_string(n_);
                return false;
            }
            if (std::find(d.numbers.begin(), d.numbers.end(), v) != d.numbers.end()) {
                why = "число " + std::to_string(v) + " повторяется";
                return false;
            }
            d.numbers.push_back(v);
        }
        return true;
    }

    // A bonus ball becomes two digits; a short text is kept as it stands.
    bool readTag(const SourceRow& row, Draw& d, std::string& why) const {
        const std::string* cell = cellAt(row, l_.tag.column);
        if (!cell) return true;
        std::string_view text = *cell;
        if (l_.tag.item > 0) {
            const auto it = items(text);
            text = static_cast<int>(it.size()) >= l_.tag.item
                       ? it[static_cast<std::size_t>(l_.tag.item - 1)]
                       : "";
        }
        int v = 0;
        if (plainInt(text, v) && v <= 99) {
            d.tag.clear();
            drawfile::appendPadded(d.tag, v, 2);
        } else if (text.size() <= 2 && std::all_of(text.begin(), text.end(),
                                                   [](char ch) { return ch > ' ' && ch < 127; })) {
            d.tag = text;
        } else {
            why = "метка " + quoted(text) + " не умещается в два знака";
            return false;
        }
        return true;
    }

    bool readKey(const SourceRow& row, Draw& d, std::string& why) const {
        const OrderKey& o = l_.order;
        const std::string* cell = cellAt(row, o.column);
        if (o.kind == OrderKey::None || !cell || holdsNoDate(*cell)) return true;
        int v = 0;
        if (o.kind == OrderKey::DrawNumber) {
            if (plainInt(*cell, v))
                d.key = v;
            else
                why = "номер тиража " + quoted(*cell) + " — не целое число";
        } else {
            const auto parts = splitDate(*cell);
            if (parts) d.key = dateKey(*parts, o.dayFirst);
            if (!d.key) why = "дата " + quoted(*cell) + " не читается";
        }
        return why.empty();
    }

    const Layout& l_;
    int k_, n_;
};

std::string listed(const std::vector<int>& numbers) {
    std::string s;
    for (int x : numbers) s += (s.empty() ? "" : ", ") + std::to_string(x);
    return s;
}

void listNotes(const std::string& title, const std::vector<std::string>& notes,
               std::vector<std::string>& report) {
    if (notes.empty()) return;
    report.push_back(title + " (" + std::to_string(notes.size()) + "):");
    for (std::size_t i = 0; i < notes.size() && i < kListedNotes; ++i)
        report.push_back("  " + notes[i]);
    if (notes.size() > kListedNotes)
        report.push_back("  … и ещё " + std::to_string(notes.size() - kListedNotes));
}

// Drops every draw that repeats an earlier one exactly.
void dropRepeats(std::vector<Draw>& draws, std::vector<std::string>& report) {
    std::map<std::tuple<std::optional<int>, std::vector<int>, std::string>, int> seen;
    std::vector<Draw> kept;
    std::vector<std::string> notes;
    for (Draw& d : draws) {
        const auto [it, fresh] = seen.emplace(d.identity(), d.row->line);
        if (fresh)
            kept.push_back(std::move(d));
        else
            notes.push_back("строка " + std::to_string(d.row->line) + " повторяет строку " +
                            std::to_string(it->second));
    }
    listNotes("Повторы пропущены", notes, report);
    draws = std::move(kept);
}

// Puts the draws oldest first: by their key when every row has one, else
// by the direction in which the rows that have one run.
void orderDraws(std::vector<Draw>& draws, const OrderKey& key, ImportOptions::Order order,
                const SourceTable& t, std::vector<std::string>& report) {
    using Order = ImportOptions::Order;
    if (order == Order::Reverse) {
        std::reverse(draws.begin(), draws.end());
        report.push_back("Порядок: обратный порядку строк файла (--reverse).");
        return;
    }
    if (order == Order::Keep || key.kind == OrderKey::None) {
        report.push_back(order == Order::Keep ? "Порядок: как в файле (--keep-order)."
                                              : "Порядок: как в файле — в нём нет ни номера "
                                                "тиража, ни даты; первая строка считается "
                                                "самым старым тиражом. Если файл начинается с "
                                                "последнего тиража, укажите --reverse.");
        return;
    }
    const bool byNumber = key.kind == OrderKey::DrawNumber;
    const std::string by = std::string(byNumber ? "по номеру тиража, " : "по дате, ") +
                           columnsLabel(t, key.column, key.column);

    bool up = true, down = true;
    std::optional<int> prev;
    std::size_t keyed = 0;
    for (const Draw& d : draws) {
        if (!d.key) continue;
        ++keyed;
        up = up && (!prev || *d.key >= *prev);
        down = down && (!prev || *d.key <= *prev);
        prev = d.key;
    }
    if (down && !up) std::reverse(draws.begin(), draws.end());
    const std::string file = up     ? "от старых к новым"
                             : down ? "от новых к старым"
                                    : "не по порядку";
    if (keyed < draws.size()) {
        const std::string missing =
            std::to_string(draws.size() - keyed) + (byNumber ? " без номера тиража" : " без даты");
        if (!up && !down)
            throw AppError("Строки файла идут не по порядку, а из них " + missing +
                           ": порядок тиражей не восстановить. Укажите --reverse (первая строка — "
                           "последний тираж) или --keep-order.");
        report.push_back("Порядок: " + by + "; в файле — " + file + ". Строк " + missing +
                         " — они на своих местах.");
        return;
    }
    std::stable_sort(draws.begin(), draws.end(),
                     [](const Draw& a, const Draw& b) { return *a.key < *b.key; });
    report.push_back("Порядок: " + by + "; в файле — " + file + ".");

    std::vector<std::string> same;
    for (std::size_t i = 1; i < draws.size(); ++i)
        if (draws[i].key == draws[i - 1].key)
            same.push_back("строки " + std::to_string(draws[i - 1].row->line) + " и " +
                           std::to_string(draws[i].row->line) +
                           " — разные тиражи, их порядок взят из файла");
    listNotes(byNumber ? "Тиражи с одним номером" : "Тиражи с одной датой", same, report);
}

// Drops the draws before a day, when a game changed its rules: the draws
// are oldest first, so everything up to the first one of that day or later.
void keepFrom(int day, const OrderKey& key, std::vector<Draw>& draws,
              std::vector<std::string>& report) {
    if (key.kind != OrderKey::Date)
        throw AppError("Для --from нужен столбец дат, а в файле он не найден.");
    const auto first = std::find_if(draws.begin(), draws.end(),
                                    [day](const Draw& d) { return d.key && *d.key >= day; });
    if (first == draws.end()) throw AppError("С этой даты (--from) в файле нет ни одного тиража.");
    report.push_back("Тиражи до " + isoDate(day) +
                     " (--from) пропущены: " + std::to_string(first - draws.begin()) + ".");
    draws.erase(draws.begin(), first);
}

}  // namespace

ImportResult importHistory(std::string_view source, const ImportOptions& o) {
    const int k = o.layout.k, n = o.layout.n;
    const SourceTable t = parseSourceTable(source, o.delimiter);
    if (t.rows.empty()) throw AppError("В файле нет ни одной строки с числами.");
    LayoutHints hints = o.layout;
    hints.findOrder = o.order == ImportOptions::Order::Auto || o.from;
    const Layout layout = findLayout(t, hints);

    ImportResult r;
    std::string read = "Прочитано строк с данными: " + std::to_string(t.rows.size()) +
                       "; разделитель " + delimiterName(t.delimiter);
    if (t.header) read += "; заголовок — строка " + std::to_string(t.header->line);
    if (t.skippedTitleLines > 0)
        read += " (строк над ним пропущено: " + std::to_string(t.skippedTitleLines) + ")";
    r.report.push_back(read + ".");
    r.report.insert(r.report.end(), layout.report.begin(), layout.report.end());

    std::vector<Draw> draws;
    const RowReader reader(layout, k, n);
    for (const SourceRow& row : t.rows) {
        Draw d;
        std::string why;
        if (reader.read(row, d, why))
            draws.push_back(std::move(d));
        else
            r.badRows.push_back("строка " + std::to_string(row.line) + ": " + why + " — «" +
                                row.text + "»");
    }
    if (!r.badRows.empty() && !o.skipBad) return r;
    if (draws.empty()) throw AppError("В файле нет ни одного верного тиража.");

    dropRepeats(draws, r.report);
    orderDraws(draws, layout.order, o.order, t, r.report);

    if (o.from) keepFrom(*o.from, layout.order, draws, r.report);
    if (static_cast<int>(draws.size()) > kMaxImportedDraws) {
        r.report.push_back(
            "Тиражей " + std::to_string(draws.size()) +
            ", а номер тиража в файле программы — четыре цифры: оставлены последние " +
            std::to_string(kMaxImportedDraws) + ".");
        draws.erase(draws.begin(), draws.end() - kMaxImportedDraws);
    }

    r.history = drawfile::headerLine(k, n) + "\n";
    int number = 0;
    for (const Draw& d : draws) r.history += drawfile::drawLine(++number, d.numbers, d.tag) + "\n";
    r.draws = number;
    r.report.push_back("Первый тираж (0001) — строка " + std::to_string(draws.front().row->line) +
                       ": " + listed(draws.front().numbers) + "; последний — строка " +
                       std::to_string(draws.back().row->line) + ": " +
                       listed(draws.back().numbers) + ".");
    return r;
}

}  // namespace trimel::history
