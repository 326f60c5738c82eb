#pragma once

#include <array>
#include <string>

#include "TextGrid.h"

namespace trimel {

// What the main window shows of a run: the draws grid (StringGrid1), the
// hits grid (StringGrid2) and the summary labels, indexed by label number
// (Label3..Label9 first part, Label11..Label17 second part).
struct MainView {
    TextGrid draws{5, 40, 64, 1, 0};
    TextGrid hits{12, 40, 30, 1, 0};
    std::array<std::string, 18> labels{};
};

// What the forecast window (TForm3) shows: two ticket grids, two number
// strips, its caption, and whether a run has asked for it to be shown.
struct ForecastView {
    TextGrid tickets1{7, 10, 30, 0, 1};
    TextGrid tickets2{7, 10, 30, 0, 1};
    TextGrid strip1{25, 1, 20, 0, 0};
    TextGrid strip2{25, 1, 20, 0, 0};
    std::string caption;
};

}  // namespace trimel
