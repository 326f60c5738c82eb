#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trimel::wheels {

struct CoverSpec;

// A group acting on the numbers 0..v-1: `cycles` cycles of `length`
// numbers each, shifted together by one step, and the numbers past them
// fixed. One cycle of v is the shift mod v, one of v - 1 the shift with a
// fixed point, two of v / 2 the two shifted halves, three of v / 3 the
// thirds (round a fixed number when one is left); short cycles give the
// small groups that leave a wheel more freedom.
//
// With a `multiplier` m > 1, prime to `length` L, the group also multiplies
// every cycle's positions by m: the affine maps x -> a x + b mod L with a a
// power of m, a group no single permutation generates.
struct NumberGroup {
    int v = 0;
    int cycles = 1;
    int length = 1;
    int multiplier = 1;

    // The powers of the multiplier before it comes back to 1.
    int multiplierOrder() const;
    int order() const { return length * multiplierOrder(); }
    // The image of a set of numbers under one shift of the group.
    std::uint64_t step(std::uint64_t mask) const;
    // Its image under multiplying every cycle's positions by the multiplier.
    std::uint64_t scale(std::uint64_t mask) const;
    // Every image of a set of numbers under the group, each once, sorted.
    std::vector<std::uint64_t> orbit(std::uint64_t mask) const;
    std::string name() const;
};

// The groups worth trying on v numbers, the large ones first.
std::vector<NumberGroup> groupsFor(int v);

// The group under which the orbit search found far smaller wheels for this
// problem than under the groups groupsFor gives, if there is one.
std::optional<NumberGroup> provenGroup(const CoverSpec& problem);

// The group a name such as "3x9" or "3x9*4" gives (as name() writes it,
// without the fixed numbers), on as many numbers as its cycles hold; none
// for a name that gives no group.
std::optional<NumberGroup> groupNamed(const std::string& name);

}  // namespace trimel::wheels
