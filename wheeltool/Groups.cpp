#include "Groups.h"

#include <algorithm>
#include <bit>

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

std::string NumberGroup::name() const {
    std::string s = std::to_string(cycles) + "x" + std::to_string(length);
    if (const int fixed = v - cycles * length) {
        s += '+';
        s += std::to_string(fixed);
    }
    return s;
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
