#include "DateText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <string>

namespace trimel::history {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                      "jul", "aug", "sep", "oct", "nov", "dec"};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// A run of digits from `i`: its value and width.
bool readNumber(std::string_view s, std::size_t& i, int& value, int& width) {
    value = 0;
    width = 0;
    while (i < s.size() && isDigit(s[i]) && width < 5) value = value * 10 + (s[i++] - '0'), ++width;
    return width > 0 && (i == s.size() || !isDigit(s[i]));
}

int monthFromName(std::string_view s, std::size_t& i) {
    std::string name;
    while (i < s.size() && isLetter(s[i]))
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(s[i++])));
    if (name.size() < 3) return 0;
    const auto it = std::find(kMonths.begin(), kMonths.end(), std::string_view(name).substr(0, 3));
    return it == kMonths.end() ? 0 : static_cast<int>(it - kMonths.begin()) + 1;
}

bool leapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

}  // namespace

std::optional<DateParts> splitDate(std::string_view s) {
    DateParts d;
    std::size_t i = 0;
    int w1 = 0, w2 = 0, w3 = 0;
    if (!readNumber(s, i, d.first, w1) || i >= s.size()) return std::nullopt;
    d.separator = s[i++];
    if (d.separator != '/' && d.separator != '-' && d.separator != '.' && d.separator != ' ')
        return std::nullopt;
    if (i < s.size() && isLetter(s[i])) {
        d.monthName = true;
        d.second = monthFromName(s, i);
        if (d.second == 0) return std::nullopt;
    } else if (!readNumber(s, i, d.second, w2) || w2 > 2) {
        return std::nullopt;
    }
    if (i >= s.size() || s[i++] != d.separator) return std::nullopt;
    if (!readNumber(s, i, d.third, w3)) return std::nullopt;
    // Blanks only separate a month name; a dotted date may end in a dot.
    if (d.separator == ' ' && !d.monthName) return std::nullopt;
    if (i < s.size() && s[i] == '.' && d.separator == '.') ++i;
    if (i < s.size() && s[i] != ' ' && s[i] != 'T') return std::nullopt;
    d.yearFirst = w1 == 4;
    if (d.yearFirst ? (d.monthName || w3 > 2) : (w1 > 2 || w3 != 4)) return std::nullopt;
    return d;
}

std::optional<bool> dayFirstFor(const std::vector<DateParts>& dates) {
    bool dayFirstSeen = false, monthFirstSeen = false, dots = false;
    for (const DateParts& d : dates) {
        if (d.yearFirst || d.monthName) continue;
        dots = dots || d.separator == '.';
        dayFirstSeen = dayFirstSeen || d.first > 12;
        monthFirstSeen = monthFirstSeen || d.second > 12;
    }
    if (dayFirstSeen && monthFirstSeen) return std::nullopt;
    if (dayFirstSeen || monthFirstSeen) return dayFirstSeen;
    return dots;
}

std::optional<int> dateKey(const DateParts& d, bool dayFirst) {
    int y = d.third, m = d.second, day = d.first;
    if (d.yearFirst)
        y = d.first, day = d.third;
    else if (!d.monthName && !dayFirst)
        m = d.first, day = d.second;
    static constexpr std::array<int, 12> kDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1900 || y > 2199 || m < 1 || m > 12 || day < 1 ||
        day > kDays[static_cast<std::size_t>(m - 1)])
        return std::nullopt;
    if (m == 2 && day == 29 && !leapYear(y)) return std::nullopt;
    return y * 10000 + m * 100 + day;
}

std::string isoDate(int key) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", key / 10000 % 10000, key / 100 % 100,
                  key % 100);
    return text;
}

bool holdsNoDate(std::string_view text) {
    return std::none_of(text.begin(), text.end(), isDigit);
}

}  // namespace trimel::history
