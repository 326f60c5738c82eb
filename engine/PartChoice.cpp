#include "PartChoice.h"

#include <algorithm>

namespace trimel {

namespace {

constexpr std::int32_t kForecastFavourites = 20;

bool favouritesSet(const Favourites& favourites) {
    return favourites[1] != 0;
}

}  // namespace

void drawDistinct(Random& random, std::int32_t n, std::int32_t count, PartList& list,
                  NumberSet& chosen) {
    const std::int32_t last = std::min(count, kPartListSize);
    const auto range = static_cast<std::uint32_t>(n);
    // A try that was taken before stays in the list until the next one
    // overwrites it.
    for (std::int32_t j = 1; j <= last;) {
        const std::int32_t x = static_cast<std::int32_t>(random(range)) + 1;
        list[static_cast<std::size_t>(j)] = x;
        j += chosen.insert(x) ? 1 : 0;
    }
}

void takeFavourites(const Favourites& favourites, std::int32_t count, PartList& list,
                    NumberSet& chosen) {
    const std::int32_t last = std::min({count, kPartListSize, kFavourites});
    for (std::int32_t j = 1; j <= last; ++j) {
        const std::int32_t x = favourites[static_cast<std::size_t>(j)];
        list[static_cast<std::size_t>(j)] = x;
        chosen.add(x);
    }
}

std::int32_t forecastFavouriteCount(std::int32_t firstWheelNumbers) {
    return std::max(kForecastFavourites, firstWheelNumbers);
}

void choosePassParts(WorkTables& w, const Favourites& favourites, const RunParts& run) {
    w.chosen.clear();
    if (favouritesSet(favourites))
        takeFavourites(favourites, run.wheels[0].numberCount, w.lists[0], w.chosen);
    else
        drawDistinct(w.random, run.N, run.P1, w.lists[0], w.chosen);
    if (run.P1 != run.N) drawDistinct(w.random, run.N, run.P2, w.lists[1], w.chosen);

    const std::int32_t sizes[2] = {run.P1, run.P2};
    for (std::size_t part = 0; part < 2; ++part) {
        const std::int32_t last = std::min(sizes[part], kPartListSize);
        for (std::int32_t j = 1; j <= last; ++j)
            w.partSets[part].add(w.lists[part][static_cast<std::size_t>(j)]);
    }
}

void chooseForecastParts(WorkTables& w, const Favourites& favourites, const RunParts& run) {
    w.chosen.clear();
    if (favouritesSet(favourites))
        takeFavourites(favourites, forecastFavouriteCount(run.wheels[0].numberCount), w.lists[0],
                       w.chosen);
    else
        drawDistinct(w.random, run.N, run.P1, w.lists[0], w.chosen);
    if (run.P1 != run.N && run.P2 >= 1) drawDistinct(w.random, run.N, run.P2, w.lists[1], w.chosen);
}

}  // namespace trimel
