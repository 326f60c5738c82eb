#include "domain/WheelChoice.h"

#include "domain/Favourites.h"

namespace trimel {

bool applyWheelChoice(AppState& state) {
    const Wheel* first = state.wheel(state.wheel1);
    const Wheel* second = state.wheel(state.wheel2);
    if (!first || (first->numberCount != state.N && !second)) return false;
    clearFavourites(state, state.size1);
    state.size1 = first->numberCount;
    state.size2 = state.size1 == state.N ? 0 : second->numberCount;
    return true;
}

}  // namespace trimel
