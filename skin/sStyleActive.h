#pragma once

// The hot look's part of a style: its painting, background and fade.
#include <cstdint>

#include "skin/sStyleSimply.h"

namespace trimel::skin {

class TsFading : public TsStylePart {
  public:
    using TsStylePart::TsStylePart;
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v) { assign(enabled_, v); }
    std::uint8_t Iterations() const { return iterations_; }
    void setIterations(std::uint8_t v) { assign(iterations_, v); }
    std::uint8_t IntervalIn() const { return intervalIn_; }  // milliseconds
    void setIntervalIn(std::uint8_t v) { assign(intervalIn_, v); }
    std::uint8_t IntervalOut() const { return intervalOut_; }
    void setIntervalOut(std::uint8_t v) { assign(intervalOut_, v); }

  private:
    bool enabled_ = true;
    std::uint8_t iterations_ = 7;
    std::uint8_t intervalIn_ = 10;
    std::uint8_t intervalOut_ = 10;
};

struct TsActiveEffects {
    explicit TsActiveEffects(TsGenStyle& owner) : Fading(owner) {}
    TsFading Fading;
};

// Font styles as a set of bits.
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TsHotPainting : public TsPaintingBase {
  public:
    explicit TsHotPainting(TsGenStyle& owner) : TsPaintingBase(owner, 13612943) {}
    TColor FontColor() const { return fontColor_; }
    void setFontColor(TColor v) { assign(fontColor_, v); }
    // Replaces the font's own style in the hot look.
    TFontStyles FontStyle() const { return fontStyle_; }
    void setFontStyle(TFontStyles v) { assign(fontStyle_, v); }
    int BevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int v) { assign(bevelWidth_, v); }

  private:
    TColor fontColor_ = 0;
    TFontStyles fontStyle_ = 0;
    int bevelWidth_ = 5;
};

struct TsHotBackground : TsBackground {
    using TsBackground::TsBackground;
};

struct TsHotStyle {
    explicit TsHotStyle(TsGenStyle& owner)
        : HotPainting(owner), HotBackground(owner), HotEffects(owner) {}
    TsHotPainting HotPainting;
    TsHotBackground HotBackground;
    TsActiveEffects HotEffects;
};

}  // namespace trimel::skin
