#pragma once

#include "domain/State.h"

namespace trimel {

// "Выбрать" in the wheel selection window, on the wheels chosen there
// (state.wheel1, state.wheel2): the first wheel's number count becomes the
// first part's size and the second's the second part's, 0 when the first
// wheel covers all N numbers. The favourites of the old first part are
// cleared. False, with nothing changed, when there is no first wheel, or
// no second one and the first does not cover all N.
bool applyWheelChoice(AppState& state);

}  // namespace trimel
