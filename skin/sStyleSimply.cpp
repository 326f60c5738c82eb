#include "skin/sStyleSimply.h"

#include <algorithm>
#include <stdexcept>

namespace trimel::skin {

void TsGenStyle::setSoftControl(bool v) {
    if (softControl_ == v) return;
    softControl_ = v;
    changed();
}

void TsGenStyle::setGroupIndex(int v) {
    if (groupIndex_ == v) return;
    groupIndex_ = v;
    changed();
}

void TsPaintingBase::setTransparency(int v) {
    if (v != 0) throw std::invalid_argument("only opaque looks are drawn");
}

void TsPainting::setColor(TColor v) {
    if (parentColor_) {
        parentColor_ = false;
        if (v == Color()) owner_.changed();
    }
    TsPaintingBase::setColor(v);
}

void TsBGGradient::setData(std::string_view text) {
    text = text.substr(0, kMaxData);
    if (text == data_) return;
    data_ = text;
    try {
        parseGradient(data_, items_);
    } catch (...) {
        owner_.changed();  // the bands read so far are shown
        throw;
    }
    owner_.changed();
}

void TsBGGradient::setPercent(TPercent v) {
    assign(percent_, std::clamp(v, 0, 100));
}

}  // namespace trimel::skin
