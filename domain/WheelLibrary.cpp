#include "WheelLibrary.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "Errors.h"
#include "IntText.h"
#include "TextFile.h"
#include "Utf8.h"

namespace trimel {

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    const auto cmp = [](char x, char y) {
        return static_cast<unsigned char>(lowerAscii(x)) < static_cast<unsigned char>(lowerAscii(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), cmp)) return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), cmp)) return false;
    return a < b;  // names equal but for case: keep a fixed order all the same
}

bool twelveDigits(std::string_view line) {
    if (line.size() < 2 * kTicketPositions) return false;
    bool all = true;
    for (std::size_t i = 0; i < 2 * kTicketPositions; ++i)
        all &= static_cast<unsigned char>(line[i] - '0') < 10;
    return all;
}

// Where a line failed: the line, its columns and what they hold; the
// line's text is copied before the file reads on to tell if it was the last.
void placeError(AppError& e, TextFile& file, int line, int first, int last, std::string field,
                std::string_view text) {
    FilePlace place{line, first, last, std::move(field), std::string(text), false};
    place.lastLine = nothingFollows(file);
    e.setPlace(std::move(place));
}

// A header line is converted whole. A line longer than the reader keeps
// holds no value worth having; it is quoted as far as it was kept.
std::int32_t lineToInt(TextFile& file, std::string_view line, bool cut, int lineNumber, const char* field) {
    try {
        if (cut) throw ConvertError(convertErrorMessage(std::string(line) + "…"));
        return strToInt(line);
    } catch (ConvertError& e) {
        placeError(e, file, lineNumber, 1, std::max(1, static_cast<int>(line.size())), field, line);
        throw;
    }
}

std::int32_t nextLineToInt(TextFile& file, int lineNumber, const char* field) {
    const std::string_view line = file.readLine();
    return lineToInt(file, line, file.lineCut(), lineNumber, field);
}

constexpr int kHeaderLines = 5;

void loadWheel(Wheel& wheel, TextFile& file, const std::string& name, const Notify& notify) {
    wheel.tickets.clear();
    wheel.tickets.reserve(static_cast<std::size_t>(std::min(file.remainingBytes() / 13 + 1,
                                                            std::size_t{kMaxTickets})));
    std::string_view line;
    try {
        while (!file.atEnd()) {
            if (static_cast<int>(wheel.tickets.size()) == kMaxTickets) {
                if (notify)
                    notify("В системе " + visibleText(name) + " больше " + intToStr(kMaxTickets) +
                           " билетов: лишние строки пропущены.");
                return;
            }
            line = file.readLine();
            Ticket& ticket = wheel.tickets.emplace_back();
            if (twelveDigits(line)) {  // the way wheel files are written
                for (std::size_t p = 1; p <= kTicketPositions; ++p)
                    ticket[p] = (line[2 * p - 2] - '0') * 10 + (line[2 * p - 1] - '0');
                continue;
            }
            for (int p = 1; p <= kTicketPositions; ++p)
                ticket[static_cast<std::size_t>(p)] = fieldToInt(columns(line, 2 * p - 1, 2));
        }
    } catch (ConvertError& e) {
        // The first position, in the reader's order, that does not convert.
        int p = 1;
        std::int32_t value = 0;
        while (p < kTicketPositions && tryStrToInt(columns(line, 2 * p - 1, 2), value)) ++p;
        placeError(e, file, kHeaderLines + static_cast<int>(wheel.tickets.size()), 2 * p - 1, 2 * p,
                   "позиция " + intToStr(p), line);
        throw;
    }
}

void readWheel(Wheel& wheel, TextFile& file, const std::string& name, const Notify& notify) {
    file.readLine();  // the first line is a title, not read
    const std::string_view countLine = file.readLine();
    wheel = Wheel{};
    wheel.numberCount = lineToInt(file, countLine, file.lineCut(), 2, "число номеров");
    wheel.ticketCount = nextLineToInt(file, 3, "число билетов");
    wheel.guarantee = nextLineToInt(file, 4, "гарантия");
    wheel.spare = nextLineToInt(file, 5, "запасное значение");
    loadWheel(wheel, file, name, notify);
}

}  // namespace

bool isWheelFileName(std::string_view name) {
    if (name.size() < 4) return false;
    static constexpr std::string_view prefix = "asys";
    for (std::size_t i = 0; i < 4; ++i)
        if (lowerAscii(name[i]) != prefix[i]) return false;
    std::size_t i = 4;
    int chars = 0;
    while (i < name.size() && name[i] != '.') {
        // Count characters, not bytes: a UTF-8 continuation byte adds none.
        if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80 && ++chars > 3) return false;
        ++i;
    }
    return true;  // the end of the name, or a dot and any extension
}

std::vector<std::string> wheelFileNames(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return names;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        std::string name = it->path().filename().string();
        if (isWheelFileName(name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

void loadWheelLibrary(AppState& state, const std::string& folder, const Notify& notify) {
    const std::vector<std::string> names = wheelFileNames(folder);
    for (const std::string& name : names) {
        if (state.wheelCount == kMaxWheels) {
            if (notify)
                notify("Загружено " + intToStr(kMaxWheels) +
                       " систем, остальные файлы систем пропущены.");
            return;
        }
        TextFile file(folder + "/" + name);
        // Counted once the file is open, before its header is converted.
        readWheel(state.wheels[static_cast<std::size_t>(++state.wheelCount)], file, name, notify);
    }
}

void loadWheelFile(Wheel& wheel, const std::string& path, const std::string& name,
                   const Notify& notify) {
    TextFile file(path);
    readWheel(wheel, file, name, notify);
}

}  // namespace trimel
