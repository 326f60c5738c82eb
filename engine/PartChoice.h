#pragma once

#include <cstdint>

#include "RunParts.h"
#include "WorkTables.h"
#include "domain/State.h"

namespace trimel {

using Favourites = std::array<std::int32_t, kFavourites + 1>;

// Draws `count` numbers of 1..n into positions 1..count of the list, each
// one redrawn while it is already in `chosen` (every try is stored, and
// uses up one call). The caller makes sure enough numbers are free.
void drawDistinct(Random& random, std::int32_t n, std::int32_t count, PartList& list,
                  NumberSet& chosen);

// Favourite entries 1..count become positions 1..count of the list and
// are marked as taken, as they stand: zeros and repeats included.
void takeFavourites(const Favourites& favourites, std::int32_t count, PartList& list,
                    NumberSet& chosen);

// The choice of both parts for one draw of the pass, with the part sets.
void choosePassParts(WorkTables& w, const Favourites& favourites, const RunParts& run);

// The same choice for the next draw. Favourite entries 1..20, and further
// up to the first wheel's number count, all count as taken. Part sets are
// left alone.
void chooseForecastParts(WorkTables& w, const Favourites& favourites, const RunParts& run);

// How many favourite entries the forecast takes.
std::int32_t forecastFavouriteCount(std::int32_t firstWheelNumbers);

}  // namespace trimel
