#include "Groups.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <regex>

#include "Binomial.h"
#include "CoverSearch.h"

namespace trimel::wheels {

std::uint64_t NumberGroup::step(std::uint64_t mask) const {
    std::uint64_t out = 0;
    for (; mask; mask &= mask - 1) {
        const int x = std::countr_zero(mask);
        int y = x;
        if (x < cycles * length) y = x % length == length - 1 ? x - (length - 1) : x + 1;
        out |= std::uint64_t{1} << y;
    }
    return out;
}

int NumberGroup::multiplierOrder() const {
    if (multiplier <= 1) return 1;
    int d = 1;
    for (int a = multiplier % length; a != 1 && d < length; a = a * multiplier % length) ++d;
    return d;
}

std::uint64_t NumberGroup::scale(std::uint64_t mask) const {
    if (multiplier <= 1) return mask;
    std::uint64_t out = 0;
    for (; mask; mask &= mask - 1) {
        const int x = std::countr_zero(mask);
        int y = x;
        if (x < cycles * length) y = x - x % length + x % length * multiplier % length;
        out |= std::uint64_t{1} << y;
    }
    return out;
}

std::vector<std::uint64_t> NumberGroup::orbit(std::uint64_t mask) const {
    std::vector<std::uint64_t> out;
    const int powers = multiplierOrder();
    out.reserve(static_cast<std::size_t>(length * powers));
    for (int j = 0; j < powers; ++j, mask = scale(mask)) {
        std::uint64_t image = mask;
        for (int i = 0; i < length; ++i, image = step(image)) out.push_back(image);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

std::string NumberGroup::name() const {
    std::string s = std::to_string(cycles) + "x" + std::to_string(length);
    if (multiplier > 1) {
        s += '*';
        s += std::to_string(multiplier);
    }
    if (const int fixed = v - cycles * length) {
        s += '+';
        s += std::to_string(fixed);
    }
    return s;
}

std::optional<NumberGroup> groupNamed(const std::string& name) {
    // The Cyrillic "х" too, as a Russian keyboard types it.
    static const std::regex form("([0-9]{1,2})(?:x|\xD1\x85)([0-9]{1,2})(?:\\*([0-9]{1,2}))?");
    std::smatch m;
    if (!std::regex_match(name, m, form)) return std::nullopt;
    NumberGroup g;
    g.cycles = std::stoi(m[1]);
    g.length = std::stoi(m[2]);
    g.multiplier = m[3].matched ? std::stoi(m[3]) : 1;
    // A multiplier must be a unit other than 1, else it gives no group or
    // no more than the shift.
    if (g.cycles < 1 || g.length < 2 || g.cycles * g.length > kMaxNumbers ||
        (m[3].matched &&
         (g.multiplier < 2 || g.multiplier >= g.length || std::gcd(g.multiplier, g.length) != 1)))
        return std::nullopt;
    g.v = g.cycles * g.length;
    return g;
}

std::optional<NumberGroup> provenGroup(const CoverSpec& problem) {
    struct Proven {
        CoverSpec problem;
        const char* group;
    };
    // "3 if 4" sides of split wheels, with the tickets the group gave and
    // the best under groupsFor's groups; "every seed" where every seed
    // tried gave as many.
    static const Proven table[] = {
        {{20, 4, 3}, "2x9"},     // 36 every seed, 38
        {{22, 4, 3}, "3x7"},     // 49, 54
        {{23, 4, 3}, "4x4*3"},   // 59 from two seeds of three, 61
        {{24, 4, 3}, "2x12*7"},  // 64 every seed, 69
        {{26, 4, 3}, "2x12*7"},  // 84 every seed, 91
        {{27, 4, 3}, "3x9*4"},   // 90, 104
        // Whole wheels: the tickets the group gave in 40 s (60 s on 26
        // numbers), and the smallest wheel before it.
        {{17, 6, 5}, "2x8*5"},    // 344, 352
        {{18, 6, 5}, "3x6*5"},    // 470, 504
        {{19, 6, 5}, "2x9*4"},    // 666 to 675 from four seeds, 703
        {{20, 6, 5}, "1x16*3"},   // 927, 960
        {{22, 6, 4}, "3x6*5"},    // 110, 112
        {{23, 6, 4}, "3x6*5"},    // 137, 138
        {{24, 6, 4}, "2x12*11"},  // 146 every seed, 172
        {{25, 6, 4}, "2x12*5"},   // 192, 212
        {{26, 6, 4}, "1x24*5"},   // 238, 273
    };
    for (const Proven& p : table)
        if (p.problem.v == problem.v && p.problem.p == problem.p && p.problem.t == problem.t) {
            std::optional<NumberGroup> g = groupNamed(p.group);
            if (g) g->v = problem.v;
            return g;
        }
    return std::nullopt;
}

std::vector<NumberGroup> groupsFor(int v) {
    std::vector<NumberGroup> groups;
    const auto add = [&](int cycles, int length) {
        if (length < 2 || cycles < 1 || cycles * length > v) return;
        for (const NumberGroup& g : groups)
            if (g.cycles == cycles && g.length == length) return;
        groups.push_back({v, cycles, length});
    };
    add(1, v);
    add(1, v - 1);
    if (v % 2 == 0) add(2, v / 2);
    // Three thirds with one number fixed: on 22 numbers the only group
    // whose "3 if 4" wheels come near the best known size (49 tickets
    // against 54 or 55 under fourteen other groups).
    if (v % 3 <= 1) add(3, v / 3);
    // Orders 5 down to 2, on as many numbers as they fit.
    for (int order = 5; order >= 2; --order) add(v / order, order);
    return groups;
}

}  // namespace trimel::wheels
