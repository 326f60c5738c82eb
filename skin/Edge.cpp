#include "skin/Edge.h"

#include <algorithm>
#include <array>

#include "skin/Background.h"

namespace trimel::skin {

namespace {

enum Side { Bottom, Right, Top, Left };  // in the order a tie is settled

bool isRaised(TsControlBevel k) {
    return k == TsControlBevel::cbRaisedSoft || k == TsControlBevel::cbRaisedHard;
}
bool isSoft(TsControlBevel k) {
    return k == TsControlBevel::cbRaisedSoft || k == TsControlBevel::cbLoweredSoft;
}

}  // namespace

TsControlBevel pressedBevel(TsControlBevel kind) {
    switch (kind) {
        case TsControlBevel::cbRaisedSoft:
            return TsControlBevel::cbLoweredSoft;
        case TsControlBevel::cbRaisedHard:
            return TsControlBevel::cbLoweredHard;
        default:
            return kind;
    }
}

int edgeWidth(int requested, int width, int height) {
    if (requested <= 1) return std::max(requested, 0);
    int w = requested;
    if (height < 2 * w) w = height / 2 - 1;
    if (width < 2 * w) w = width / 2 - 1;
    return w < 2 ? 0 : w;
}

void drawEdge(Image24& image, TsControlBevel kind, int width, bool soft) {
    if (kind == TsControlBevel::cbNone || width <= 0) return;
    const bool raised = isRaised(kind);
    std::array<int, 4> tone{};
    tone[Left] = raised ? 240 : 25;
    tone[Top] = raised ? 255 : 0;
    tone[Right] = raised ? 25 : 240;
    tone[Bottom] = raised ? 0 : 255;
    const bool linear = soft && isSoft(kind);
    const int w = image.width(), h = image.height();

    const auto blend = [&](int x, int y) {
        const std::array<int, 4> dist{h - 1 - y, w - 1 - x, y, x};  // by Side
        int side = Bottom;
        for (int s = Right; s <= Left; ++s)
            if (dist[static_cast<std::size_t>(s)] < dist[static_cast<std::size_t>(side)]) side = s;
        const int d = dist[static_cast<std::size_t>(side)];
        if (d >= width) return;
        const int a = width == 1 ? 256 : linear ? 256 * (width - d) / width : 128;
        const int t = tone[static_cast<std::size_t>(side)];
        std::uint8_t* p = image.row(y) + 3 * x;
        for (int ch = 0; ch < 3; ++ch) p[ch] = static_cast<std::uint8_t>(mixChannel(p[ch], t, a));
    };
    for (int y = 0; y < h; ++y) {
        if (y < width || y >= h - width) {
            for (int x = 0; x < w; ++x) blend(x, y);
        } else {
            for (int x = 0; x < std::min(width, w); ++x) blend(x, y);
            for (int x = std::max(w - width, width); x < w; ++x) blend(x, y);
        }
    }
}

}  // namespace trimel::skin
