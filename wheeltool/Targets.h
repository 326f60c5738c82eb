#pragma once

namespace trimel::wheels {

// The smallest known sizes from the published lotto design and covering
// tables; 0 where none is known.

// A wheel "t if 6" on v numbers: the tables for v ≤ 25; for "3 if 6"
// above that, the split bound.
int knownWheelSize(int v, int t);

// "3 if 3" on a numbers: every three of them in one ticket.
int knownCoveringSize(int a);

// "3 if 4" on b numbers: every four of them meet one ticket in three.
int knownThreeIfFourSize(int b);

// The split of v numbers into a + b with the fewest tickets by the known
// sizes of its two sides ({0, 0, 0} when no split is known).
struct Split {
    int a = 0, b = 0, size = 0;
};
Split bestSplit(int v);

}  // namespace trimel::wheels
