#pragma once

// The layers of a control's style up to the normal look's background, and
// the gradient. Plain C++: the control hands the style a callback that
// marks it for redrawing.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/Background.h"
#include "skin/Edge.h"
#include "skin/Gradient.h"

namespace trimel::skin {

class TsGenStyle;

// A part of a style; every change of its properties is reported to the
// style that owns it.
class TsStylePart {
  public:
    explicit TsStylePart(TsGenStyle& owner) : owner_(owner) {}
    TsStylePart(const TsStylePart&) = delete;
    TsStylePart& operator=(const TsStylePart&) = delete;

  protected:
    template <class T>
    void assign(T& field, const T& value);
    TsGenStyle& owner_;
};

class TsShadow : public TsStylePart {
  public:
    using TsStylePart::TsStylePart;
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v) { assign(enabled_, v); }
    bool DontUse() const { return dontUse_; }
    void setDontUse(bool v) { assign(dontUse_, v); }

  private:
    bool enabled_ = false;
    bool dontUse_ = true;
};

struct TsEffects {
    explicit TsEffects(TsGenStyle& owner) : Shadow(owner) {}
    TsShadow Shadow;  // not drawn: no button of the program casts one
};

class TsGenStyle {
  public:
    explicit TsGenStyle(std::function<void()> onChange = {}) : onChange_(std::move(onChange)) {}
    virtual ~TsGenStyle() = default;
    TsGenStyle(const TsGenStyle&) = delete;
    TsGenStyle& operator=(const TsGenStyle&) = delete;

    TsEffects Effects{*this};

    bool SoftControl() const { return softControl_; }
    void setSoftControl(bool v);
    // Styles of one group would share a style manager; none is built, so
    // every style stands alone.
    int GroupIndex() const { return groupIndex_; }
    void setGroupIndex(int v);

    // Reports a change to the control that owns the style.
    void changed() const {
        if (onChange_) onChange_();
    }

  private:
    std::function<void()> onChange_;
    bool softControl_ = true;
    int groupIndex_ = 0;
};

template <class T>
void TsStylePart::assign(T& field, const T& value) {
    if (field == value) return;
    field = value;
    owner_.changed();
}

// What the normal and the hot painting share.
class TsPaintingBase : public TsStylePart {
  public:
    TsPaintingBase(TsGenStyle& owner, TColor color) : TsStylePart(owner), color_(color) {}
    TColor Color() const { return color_; }
    void setColor(TColor v) { assign(color_, v); }
    // Only opaque looks (0) are drawn; any other value throws
    // std::invalid_argument.
    int Transparency() const { return 0; }
    void setTransparency(int v);
    TsControlBevel Bevel() const { return bevel_; }
    void setBevel(TsControlBevel v) { assign(bevel_, v); }

  private:
    TColor color_;
    TsControlBevel bevel_ = TsControlBevel::cbRaisedSoft;
};

class TsPainting : public TsPaintingBase {
  public:
    explicit TsPainting(TsGenStyle& owner) : TsPaintingBase(owner, 13288119) {}
    // Setting a colour stops taking the parent's.
    void setColor(TColor v);
    bool ParentColor() const { return parentColor_; }
    void setParentColor(bool v) { assign(parentColor_, v); }

  private:
    bool parentColor_ = true;
};

class TsBGGradient : public TsStylePart {
  public:
    static constexpr std::size_t kMaxData = 255;

    using TsStylePart::TsStylePart;
    const std::string& Data() const { return data_; }
    // Cuts the text to kMaxData characters; a different text is parsed
    // (see parseGradient, whose ConvertError passes on after the change
    // has been reported).
    void setData(std::string_view text);
    TPercent Percent() const { return percent_; }
    void setPercent(TPercent v);  // clamped to 0..100
    const std::vector<TsGradientBand>& Items() const { return items_; }

  private:
    std::string data_;
    TPercent percent_ = 70;
    std::vector<TsGradientBand> items_;
};

// A look's background. A picture is not built: no button shows one.
struct TsBackground {
    explicit TsBackground(TsGenStyle& owner) : Gradient(owner) {}
    TsBGGradient Gradient;
};

class TsPaintStyle : public TsGenStyle {
  public:
    using TsGenStyle::TsGenStyle;
    TsPainting Painting{*this};
};

class TsPassiveBGStyle : public TsPaintStyle {
  public:
    using TsPaintStyle::TsPaintStyle;
    TsBackground Background{*this};
};

}  // namespace trimel::skin
