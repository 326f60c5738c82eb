#include "ui/ApplicationTitle.h"

namespace trimel::ui {

namespace {

// Lower case for ASCII and the Russian alphabet, the letters a title can
// hold here; other characters are kept.
void appendLower(std::string& out, char32_t c) {
    if (c >= U'A' && c <= U'Z')
        c += 32;
    else if (c >= U'А' && c <= U'Я')
        c += 32;
    else if (c == U'Ё')
        c = U'ё';
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string applicationTitle(const std::string& executablePath) {
    std::string name = executablePath;
    const auto slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const auto dot = name.find('.');
    if (dot != std::string::npos) name.erase(dot);

    std::string out;
    bool first = true;
    for (std::size_t i = 0; i < name.size();) {
        const auto b = static_cast<unsigned char>(name[i]);
        std::size_t len = b < 0x80         ? 1
                          : (b >> 5) == 6  ? 2
                          : (b >> 4) == 14 ? 3
                          : (b >> 3) == 30 ? 4
                                           : 1;
        if (i + len > name.size()) len = 1;
        if (first || len > 3 || (len == 1 && b >= 0x80)) {
            out.append(name, i, len);
        } else if (len == 1) {
            appendLower(out, b);
        } else {
            char32_t c = len == 2 ? (b & 0x1F) : (b & 0x0F);
            for (std::size_t k = 1; k < len; ++k) c = (c << 6) | (name[i + k] & 0x3F);
            appendLower(out, c);
        }
        first = false;
        i += len;
    }
    return out;
}

}  // namespace trimel::ui
