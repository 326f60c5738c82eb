#include "skin/sStyleUtil.h"

namespace trimel::skin {

void paintLookBackground(const TsActiveBGStyle& style, LookState look, TColor parentColor,
                         Image24& image) {
    if (look.hot) {
        const TsBGGradient& g = style.HotStyle.HotBackground.Gradient;
        composeBackground(image, g.Items(), g.Percent(), style.HotStyle.HotPainting.Color());
        if (look.pressed) image.shiftDownRight(look.scale);
    } else {
        const TsBGGradient& g = style.Background.Gradient;
        const TColor plain = style.Painting.ParentColor() ? parentColor : style.Painting.Color();
        composeBackground(image, g.Items(), g.Percent(), plain);
    }
}

void paintLookEdge(const TsActiveBGStyle& style, LookState look, int bevelWidth, Image24& image) {
    TsControlBevel kind = style.Painting.Bevel();
    int width = bevelWidth;
    if (look.hot) {
        const TsHotPainting& hot = style.HotStyle.HotPainting;
        kind = look.pressed ? TsControlBevel::cbLoweredSoft : hot.Bevel();
        width = look.pressed ? hot.BevelWidth() / 4 + 1 : hot.BevelWidth();
    } else if (look.pressed) {
        kind = pressedBevel(kind);
    }
    drawEdge(image, kind, edgeWidth(width * look.scale, image.width(), image.height()),
             style.SoftControl());
}

}  // namespace trimel::skin
