#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trimel::wheels {

// A cyclic group acting on the numbers 0..v-1: `cycles` cycles of `length`
// numbers each, shifted together by one step, and the numbers past them
// fixed. One cycle of v is the shift mod v, one of v - 1 the shift with a
// fixed point, two of v / 2 the two shifted halves, three of v / 3 the
// thirds (round a fixed number when one is left); short cycles give the
// small groups that leave a wheel more freedom.
struct NumberGroup {
    int v = 0;
    int cycles = 1;
    int length = 1;

    int order() const { return length; }
    // The image of a set of numbers under one step of the group.
    std::uint64_t step(std::uint64_t mask) const;
    std::string name() const;
};

// The groups worth trying on v numbers, the large ones first.
std::vector<NumberGroup> groupsFor(int v);

}  // namespace trimel::wheels
