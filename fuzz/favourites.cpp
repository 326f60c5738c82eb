// The favourite numbers parse: the first line is the first-part size, the
// rest the edit's text. Only the table's entries up to that size are ever
// written, and a bad group gives the conversion error.
#include <algorithm>

#include "FuzzSupport.h"
#include "domain/Errors.h"
#include "domain/Favourites.h"
#include "domain/IntText.h"

using namespace trimel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> parts = fuzz::splitInput(fuzz::bytesOf(data, size), 2);
    static AppState state;
    state.size1 = 0;
    tryStrToInt(parts[0], state.size1);
    state.favourites.fill(-77);  // untouched entries keep this

    try {
        enterFavourites(state, fuzz::utf16Of(parts[1]));
    } catch (const ConvertError& e) {
        FUZZ_CHECK(fuzz::isConversionMessage(e.what()), e.what());
    }
    const std::int32_t written = std::clamp<std::int32_t>(state.size1, 0, kFavourites);
    FUZZ_CHECK(state.favourites[0] == -77, "entry 0 is never used");
    for (int k = written + 1; k <= kFavourites; ++k)
        FUZZ_CHECK(state.favourites[static_cast<std::size_t>(k)] == -77,
                   "past the first part untouched");
    return 0;
}
