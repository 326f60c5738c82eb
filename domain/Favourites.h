#pragma once

#include <cstdint>
#include <string_view>

#include "domain/State.h"

namespace trimel {

// "Ввести числа": favourites 1 up to the first-part size are cleared, then,
// unless the text is empty, number k is read from characters 2k-1 and 2k
// of the text (UTF-16 code units, as the edit holds it). A group that is
// not an integer throws ConvertError and leaves it and the later entries
// at 0. Only the favourites table's own entries are ever touched, whatever
// the first-part size.
void enterFavourites(AppState& state, std::u16string_view text);

// Sets favourites 1 up to `count` (bounded by the table) to 0.
void clearFavourites(AppState& state, std::int32_t count);

}  // namespace trimel
