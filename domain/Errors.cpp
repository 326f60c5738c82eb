#include "Errors.h"

#include <cerrno>
#include <utility>

namespace trimel {

std::string ioErrorMessage(int code) {
    switch (code) {
        case 2:
            return "File not found";
        case 3:
            return "Invalid filename";
        case 4:
            return "Too many open files";
        case 5:
            return "File access denied";
        case 100:
            return "Read beyond end of file";
        case 101:
            return "Disk full";
        case 106:
            return "Invalid numeric input";
        default:
            return "I/O error " + std::to_string(code);
    }
}

IoError::IoError(int code) : AppError(ioErrorMessage(code)), code_(code) {}

IoError::IoError(int code, std::string message) : AppError(std::move(message)), code_(code) {}

namespace {

// The program's own code for a system error, or 0 when it has none.
int programCode(int err) {
    switch (err) {
        case ENOENT:
            return 2;
        case ENAMETOOLONG:
        case ENOTDIR:
        case EINVAL:
        case EILSEQ:
            return 3;
        case EMFILE:
        case ENFILE:
            return 4;
        case EACCES:
        case EPERM:
        case EISDIR:
            return 5;
        case ENOSPC:
            return 101;
        default:
            return 0;
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
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

}  // namespace trimel
