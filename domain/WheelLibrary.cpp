#include "WheelLibrary.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "Errors.h"
#include "IntText.h"
#include "TextFile.h"
#include "TwoDigitFields.h"
#include "Utf8.h"

namespace trimel {

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    const auto cmp = [](char x, char y) {
        return static_cast<unsigned char>(lowerAscii(x)) <
               static_cast<unsigned char>(lowerAscii(y));
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

// A header line is converted whole. A line longer than the reader keeps
// holds no value worth having; it is quoted as far as it was kept.
std::int32_t lineToInt(std::string_view line, bool cut) {
    if (cut) throw ConvertError(convertErrorMessage(std::string(line) + "…"));
    return strToInt(line);
}

std::int32_t nextLineToInt(TextFile& file) {
    const std::string_view line = file.readLine();
    return lineToInt(line, file.lineCut());
}

// Takes the ticket lines that are twelve digits and an LF or CR LF, the
// way wheel files are written, straight from the file's buffer, up to the
// ticket limit; any other line is left to readLine.
void takePlainTickets(std::vector<Ticket>& tickets, TextFile& file) {
    constexpr std::size_t kDigits = 2 * kTicketPositions;
    const std::string_view buffer = file.buffered();
    std::size_t room = static_cast<std::size_t>(kMaxTickets) - tickets.size();
    std::size_t at = 0;
    while (room > 0 && buffer.size() - at > kDigits) {
        const char* p = buffer.data() + at;
        std::size_t length = kDigits + 1;
        if (p[kDigits] != '\n') {
            if (p[kDigits] != '\r' || buffer.size() - at == kDigits + 1 || p[kDigits + 1] != '\n')
                break;
            ++length;
        }
#if defined(__SSE2__)
        if (buffer.size() - at >= 16) {
            __m128i v;
            if (!twoDigitLanes<kTicketPositions>(p, v)) break;
            // Written past the cache: a library is far larger than it, and
            // a store through the cache would first read what it replaces.
            tickets.emplace_back([v](std::int16_t* entries) {
                _mm_stream_si128(reinterpret_cast<__m128i*>(entries), _mm_bslli_si128(v, 2));
            });
            at += length;
            --room;
            continue;
        }
#endif
        std::int32_t positions[kTicketPositions];
        if (!twoDigitFields(p, kTicketPositions, positions)) break;
        Ticket& ticket = tickets.emplace_back();
        for (std::size_t i = 1; i <= kTicketPositions; ++i)
            ticket[i] = static_cast<std::int16_t>(positions[i - 1]);
        at += length;
        --room;
    }
#if defined(__SSE2__)
    _mm_sfence();  // the streamed stores before any later one
#endif
    file.skip(at);
}

void loadWheel(Wheel& wheel, TextFile& file, const std::string& name, const Notify& notify) {
    wheel.tickets.clear();
    wheel.tickets.reserve(static_cast<std::size_t>(
        std::min(file.remainingBytes() / 13 + 1, std::size_t{kMaxTickets})));
    for (;;) {
        takePlainTickets(wheel.tickets, file);
        if (file.atEnd()) return;
        if (static_cast<int>(wheel.tickets.size()) == kMaxTickets) {
            if (notify)
                notify("В системе " + visibleText(name) + " больше " + intToStr(kMaxTickets) +
                       " билетов: лишние строки пропущены.");
            return;
        }
        const std::string_view line = file.readLine();
        Ticket& ticket = wheel.tickets.emplace_back();
        if (twelveDigits(line)) {
            for (std::size_t p = 1; p <= kTicketPositions; ++p)
                ticket[p] = static_cast<std::int16_t>((line[2 * p - 2] - '0') * 10 +
                                                      (line[2 * p - 1] - '0'));
            continue;
        }
        // Two characters convert to -9..99 at most (or "$F" to 15).
        for (int p = 1; p <= kTicketPositions; ++p)
            ticket[static_cast<std::size_t>(p)] =
                static_cast<std::int16_t>(fieldToInt(columns(line, 2 * p - 1, 2)));
    }
}

void readWheel(Wheel& wheel, TextFile& file, const std::string& name, const Notify& notify) {
    file.readLine();  // the first line is a title, not read
    const std::string_view countLine = file.readLine();
    wheel = Wheel{};
    wheel.numberCount = lineToInt(countLine, file.lineCut());
    wheel.ticketCount = nextLineToInt(file);
    wheel.guarantee = nextLineToInt(file);
    wheel.spare = nextLineToInt(file);
    loadWheel(wheel, file, name, notify);
}

constexpr int kHeaderLines = 5;  // the title and the four values

// Where reading `wheel` from the file failed: the file is read again up to
// the failing line, a header line whole or the first ticket position, in
// the reader's order, that does not convert.
std::optional<FilePlace> failedPlace(const std::string& path, const Wheel& wheel) {
    static constexpr const char* fields[] = {"число номеров", "число билетов", "гарантия",
                                             "запасное значение"};
    TextFile file(path);
    file.readLine();
    FilePlace place;
    std::int32_t value = 0;
    for (int line = 2; line <= kHeaderLines && place.line == 0; ++line) {
        const std::string_view text = file.readLine();
        if (file.lineCut() || !tryStrToInt(text, value))
            place = {line,
                     1,
                     std::max(1, static_cast<int>(text.size())),
                     fields[line - 2],
                     std::string(text),
                     false};
    }
    const int line = kHeaderLines + static_cast<int>(wheel.tickets.size());
    for (int at = kHeaderLines + 1; at <= line && place.line == 0; ++at) {
        const std::string_view text = file.readLine();
        if (at < line) continue;
        int p = 1;
        while (p < kTicketPositions && tryStrToInt(columns(text, 2 * p - 1, 2), value)) ++p;
        place = {line, 2 * p - 1, 2 * p, "позиция " + intToStr(p), std::string(text), false};
    }
    if (place.line == 0) return std::nullopt;
    place.lastLine = nothingFollows(file);
    return place;
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
    try {
        TextFile file(path);
        readWheel(wheel, file, name, notify);
    } catch (ConvertError& e) {
        // A second read that fails itself leaves the error as it was.
        try {
            if (auto place = failedPlace(path, wheel)) e.setPlace(std::move(*place));
        } catch (const AppError&) {
        }
        throw;
    }
}

}  // namespace trimel
