#pragma once

#include "CoverSearch.h"

namespace trimel::wheels {

// S(3,6,22): 77 tickets on 22 numbers holding every three of them exactly
// once, from the octads of the extended binary Golay code through two
// fixed points.
Tickets steiner22();

// S(3,6,26): 130 tickets on 26 numbers, the inversive plane of order 5:
// the images of the subline GF(5) ∪ {∞} of the projective line over GF(25)
// under its Möbius maps.
Tickets steiner26();

// Point deletion: a covering or wheel of fewer numbers from one of more,
// of the same guarantee. Every number at or above `v` is replaced by the
// smallest number below `v` the ticket lacks: a draw of the first v
// numbers meets the new ticket wherever it met the old one. Tickets that
// come out twice are kept once.
Tickets restrictCovering(const Tickets& tickets, int v);

}  // namespace trimel::wheels
