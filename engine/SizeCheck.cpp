#include "SizeCheck.h"

#include <algorithm>

namespace trimel {

bool partSizesCanBeMet(std::int32_t n, std::int32_t p1, std::int32_t p2,
                       std::int32_t firstWheelNumbers, const Favourites& favourites) {
    const bool fromFavourites = favourites[1] != 0;
    if (p1 > kPartListSize || p2 > kPartListSize) return false;
    if (fromFavourites && firstWheelNumbers > kPartListSize) return false;

    // No part can have more numbers than 1..N holds (none when N < 1).
    const std::int32_t top = std::max(n, 0);
    if (p1 > top || p2 > top) return false;

    // The second part is drawn only when the first does not cover 1..N.
    if (p1 == n || p2 < 1) return true;
    // Numbers above the sets' top are never marked as taken, so some
    // number is always free.
    if (n > NumberSet::kTop) return true;

    std::int32_t taken = std::max(p1, 0);
    if (fromFavourites) {
        // The forecast takes at least as many entries as a draw of the pass.
        NumberSet favs;
        const std::int32_t last = forecastFavouriteCount(firstWheelNumbers);
        for (std::int32_t j = 1; j <= last; ++j) {
            const std::int32_t x = favourites[static_cast<std::size_t>(j)];
            if (x >= 1 && x <= n) favs.add(x);
        }
        taken = favs.size();
    }
    return p2 <= n - taken;
}

}  // namespace trimel
