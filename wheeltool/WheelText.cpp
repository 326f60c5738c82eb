#include "WheelText.h"

#include <algorithm>
#include <bit>

namespace trimel::wheels {

std::string counted(std::int64_t n, std::string_view one, std::string_view few,
                    std::string_view many) {
    const std::int64_t tens = n % 100, units = n % 10;
    std::string_view word = many;
    if (tens < 11 || tens > 14) {
        if (units == 1)
            word = one;
        else if (units >= 2 && units <= 4)
            word = few;
    }
    return std::to_string(n) + " " + std::string(word);
}

std::string wheelTitle(int v, int t, int tickets, bool lowerCase) {
    return (lowerCase ? "система на " : "Система на ") + counted(v, "число", "числа", "чисел") +
           ": гарантия " + std::to_string(t) + " при 6, " +
           counted(tickets, "билет", "билета", "билетов");
}

std::string wheelFileText(int v, int t, const Tickets& tickets) {
    // Ascending by the ticket's numbers read as a word: 010203040506 first.
    std::vector<std::string> lines;
    for (std::uint64_t m : tickets) {
        std::string line;
        for (; m; m &= m - 1) {
            const int p = std::countr_zero(m) + 1;
            line += static_cast<char>('0' + p / 10);
            line += static_cast<char>('0' + p % 10);
        }
        lines.push_back(std::move(line));
    }
    std::sort(lines.begin(), lines.end());
    std::string out = wheelTitle(v, t, static_cast<int>(tickets.size())) + "\n" +
                      std::to_string(v) + "\n" + std::to_string(tickets.size()) + "\n" +
                      std::to_string(t) + "\n0\n";
    for (const std::string& line : lines) out += line + "\n";
    return out;
}

std::string positionsText(std::uint64_t mask) {
    std::string out;
    for (; mask; mask &= mask - 1) {
        if (!out.empty()) out += ' ';
        out += std::to_string(std::countr_zero(mask) + 1);
    }
    return out;
}

}  // namespace trimel::wheels
