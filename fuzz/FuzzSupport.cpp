#include "FuzzSupport.h"

#include <sys/stat.h>

#include <fstream>

#include "domain/Utf8.h"

namespace trimel::fuzz {

std::u16string utf16Of(std::string_view utf8) {
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const std::size_t len = b < 0x80         ? 1
                                : (b >> 5) == 6  ? 2
                                : (b >> 4) == 14 ? 3
                                : (b >> 3) == 30 ? 4
                                                 : 0;
        char32_t c = len == 1 ? b : len == 2 ? (b & 0x1Fu) : len == 3 ? (b & 0x0Fu) : (b & 0x07u);
        bool valid = len != 0 && i + len <= utf8.size();
        for (std::size_t k = 1; valid && k < len; ++k) {
            const auto t = static_cast<unsigned char>(utf8[i + k]);
            valid = (t >> 6) == 2;
            c = (c << 6) | (t & 0x3Fu);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!valid || c < least[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += len;
    }
    return out;
}

bool isVisibleText(std::string_view text) {
    // What visibleText gives is left as it is by it, and holds no control
    // character.
    if (visibleText(text) != text) return false;
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    return true;
}

bool isConversionMessage(std::string_view message) {
    static constexpr std::string_view tail = "' is not a valid integer value";
    if (message.size() < tail.size() + 1 || message.front() != '\'' || !message.ends_with(tail))
        return false;
    return isVisibleText(message.substr(1, message.size() - 1 - tail.size()));
}

bool isIoMessage(std::string_view message) {
    for (std::string_view known :
         {"File not found", "Invalid filename", "Too many open files", "File access denied",
          "Read beyond end of file", "Disk full", "Invalid numeric input"})
        if (message == known) return true;
    static constexpr std::string_view head = "I/O error ";
    if (!message.starts_with(head) || message.size() == head.size()) return false;
    return message.substr(head.size()).find_first_not_of("0123456789") == std::string_view::npos;
}

void writeEntries(const std::filesystem::path& folder,
                  const std::vector<std::pair<std::string_view, std::string_view>>& entries) {
    namespace fs = std::filesystem;
    for (auto [name, bytes] : entries) {
        char kind = 0;
        if (!name.empty() && (name[0] == '/' || name[0] == '|' || name[0] == '@')) {
            kind = name[0];
            name.remove_prefix(1);
        }
        if (name.empty() || name == "." || name == ".." || name.size() > 200 ||
            name.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos)
            continue;
        const fs::path p = folder / std::string(name);
        std::error_code ec;
        if (fs::exists(fs::symlink_status(p, ec))) continue;
        if (kind == '/')
            fs::create_directory(p, ec);
        else if (kind == '|')
            ::mkfifo(p.c_str(), 0600);
        else if (kind == '@')
            fs::create_symlink(folder / "nowhere", p, ec);
        else
            std::ofstream(p, std::ios::binary)
                .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
}

}  // namespace trimel::fuzz
