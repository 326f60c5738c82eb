#include "ui/Favourites.h"

#include <algorithm>

#include "domain/IntText.h"

namespace trimel::ui {

void clearFavourites(AppState& state, std::int32_t count) {
    const int last = std::clamp<std::int32_t>(count, 0, kFavourites);
    for (int k = 1; k <= last; ++k) state.favourites[static_cast<std::size_t>(k)] = 0;
}

void enterFavourites(AppState& state, const QString& text) {
    clearFavourites(state, state.size1);
    if (text.isEmpty()) return;
    const int last = std::clamp<std::int32_t>(state.size1, 0, kFavourites);
    for (int k = 1; k <= last; ++k) {
        const QString group = text.mid(2 * (k - 1), 2);
        state.favourites[static_cast<std::size_t>(k)] = strToInt(group.toStdString());
    }
}

}  // namespace trimel::ui
