#pragma once

#include "skin/Image24.h"

namespace trimel::skin {

enum class TsControlBevel { cbNone, cbRaisedSoft, cbLoweredSoft, cbRaisedHard, cbLoweredHard };

// The lowered kind a raised one turns into while its button is pressed.
TsControlBevel pressedBevel(TsControlBevel kind);

// The strip width an edge asked for `requested` pixels gets on a control
// of the given size: a small control gets half its height or width less
// one; 0 means no edge, 1 the one-pixel frame.
int edgeWidth(int requested, int width, int height);

// Draws the edge of `kind` with strips `width` pixels wide (after
// edgeWidth) over the whole image. Each strip blends the pixels under it
// toward its tone: raised, left grey 240, top white, right grey 25, bottom
// black; lowered, the other way round. The strips meet on the diagonals
// of the corners, a diagonal pixel going to the bottom strip, then the
// right, then the top. A soft edge under `soft` fades linearly from the
// full tone on the outer side; any other strip is a half blend; the
// one-pixel frame is the tones themselves.
void drawEdge(Image24& image, TsControlBevel kind, int width, bool soft);

}  // namespace trimel::skin
