#include "Errors.h"

#include <cerrno>
#include <utility>

namespace trimel {

std::string ioErrorMessage(int code) {
    switch (code) {
        case 2: return "File not found";
        case 3: return "Invalid filename";
        case 4: return "Too many open files";
        case 5: return "File access denied";
        case 100: return "Read beyond end of file";
        case 101: return "Disk full";
        case 106: return "Invalid numeric input";
        default: return "I/O error " + std::to_string(code);
    }
}

IoError::IoError(int code) : AppError(ioErrorMessage(code)), code_(code) {}

IoError::IoError(int code, std::string message) : AppError(std::move(message)), code_(code) {}

namespace {

// The program's own code for a system error, or 0 when it has none.
int programCode(int err) {
    switch (err) {
        case ENOENT: return 2;
        case ENAMETOOLONG:
        case ENOTDIR:
        case EINVAL:
        case EILSEQ: return 3;
        case EMFILE:
        case ENFILE: return 4;
        case EACCES:
        case EPERM:
        case EISDIR: return 5;
        case ENOSPC: return 101;
        default: return 0;
    }
}

}  // namespace

int ioCodeFromErrno(int err) {
    const int code = programCode(err);
    return code != 0 ? code : err;
}

IoError ioErrorFromErrno(int err) {
    const int code = programCode(err);
    // errno numbers can collide with the program's codes (EIO is 5 here),
    // so an unmapped error is always shown with its own number.
    if (code == 0) return IoError(err, "I/O error " + std::to_string(err));
    return IoError(code);
}

std::string errorReportText(const std::string& message) {
    // A byte of a multi-byte UTF-8 character is above '.', as is the
    // character it belongs to.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

namespace {

// Lower case for ASCII and the Russian alphabet, the letters a title can
// hold here; other characters are kept.
void appendLower(std::string& out, char32_t c) {
    if (c >= U'A' && c <= U'Z') c += 32;
    else if (c >= U'А' && c <= U'Я') c += 32;
    else if (c == U'Ё') c = U'ё';
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
        std::size_t len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 1;
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

}  // namespace trimel
