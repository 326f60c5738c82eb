#pragma once

// The style of a control with a normal and a hot look, and what of a look
// is drawn without the toolkit: its background and its edge.
#include "skin/Image24.h"
#include "skin/sStyleActive.h"

namespace trimel::skin {

class TsActiveBGStyle : public TsPassiveBGStyle {
  public:
    using TsPassiveBGStyle::TsPassiveBGStyle;
    TsHotStyle HotStyle{*this};
    Image24 image;  // the style image: the look the control shows

    // Whether a look changes at all between its two states by fading.
    bool fades() const {
        return HotStyle.HotEffects.Fading.Enabled() && HotStyle.HotEffects.Fading.Iterations() > 0;
    }
};

// Which look, and in what state, is drawn.
struct LookState {
    bool hot = false;
    bool pressed = false;
    int scale = 1;  // device pixels to a control pixel
};

// Fills `image` with a look's background; `parentColor` stands in for the
// plain colour of a normal look that takes its parent's. A pressed hot
// background sits one control pixel lower and further right.
void paintLookBackground(const TsActiveBGStyle& style, LookState look, TColor parentColor,
                         Image24& image);

// Draws a look's edge over `image`; `bevelWidth` is the control's own
// width for the normal look.
void paintLookEdge(const TsActiveBGStyle& style, LookState look, int bevelWidth, Image24& image);

}  // namespace trimel::skin
