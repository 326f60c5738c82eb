#pragma once

#include <QString>

#include "domain/State.h"

namespace trimel::ui {

// "Ввести числа": favourites 1 up to the first-part size are cleared, then,
// unless the text is empty, number k is read from characters 2k-1 and 2k
// of the text. A group that is not an integer throws ConvertError and
// leaves it and the later entries at 0. Only the favourites table's own
// entries are ever touched, whatever the first-part size.
void enterFavourites(AppState& state, const QString& text);

// Sets favourites 1 up to `count` (bounded by the table) to 0.
void clearFavourites(AppState& state, std::int32_t count);

}  // namespace trimel::ui
