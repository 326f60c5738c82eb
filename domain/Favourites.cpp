#include "domain/Favourites.h"

#include <algorithm>
#include <string>

#include "domain/IntText.h"

namespace trimel {

namespace {

// UTF-8 of UTF-16 code units; half a surrogate pair becomes '?', as the
// windows' own conversion has it (a group can split a pair).
std::string utf8Of(std::u16string_view units) {
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c <= 0xDFFF) {
            const bool paired = c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                                units[i + 1] <= 0xDFFF;
            if (!paired) {
                out += '?';
                continue;
            }
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

void clearFavourites(AppState& state, std::int32_t count) {
    const int last = std::clamp<std::int32_t>(count, 0, kFavourites);
    for (int k = 1; k <= last; ++k) state.favourites[static_cast<std::size_t>(k)] = 0;
}

void enterFavourites(AppState& state, std::u16string_view text) {
    clearFavourites(state, state.size1);
    if (text.empty()) return;
    const int last = std::clamp<std::int32_t>(state.size1, 0, kFavourites);
    for (int k = 1; k <= last; ++k) {
        const std::size_t from = std::min(2 * static_cast<std::size_t>(k - 1), text.size());
        state.favourites[static_cast<std::size_t>(k)] = strToInt(utf8Of(text.substr(from, 2)));
    }
}

}  // namespace trimel
