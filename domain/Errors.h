#pragma once

#include <stdexcept>
#include <string>

namespace trimel {

// Every failure the program reports to the user derives from AppError;
// what() is the message exactly as the user should read it (UTF-8).
class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a valid integer, or the engine's own message raised
// in place of the conversion's one.
class ConvertError : public AppError {
public:
    using AppError::AppError;
};

// A failure to open, read or close a file. code() is the program's I/O
// error code (2, 3, 4, 5, 100, 101, 106, or the system's own code).
class IoError : public AppError {
public:
    explicit IoError(int code);  // a program code, with its message
    IoError(int code, std::string message);
    int code() const { return code_; }

private:
    int code_;
};

// A load or run refused by the program itself (a capacity, a size that
// cannot be met); the message says what to do.
class LimitError : public AppError {
public:
    using AppError::AppError;
};

// The message of an I/O error code.
std::string ioErrorMessage(int code);

// Maps a POSIX errno value to the program's I/O error code; an error with
// no code of its own keeps the system's number.
int ioCodeFromErrno(int err);

// The I/O error for a POSIX errno value: the program's message where the
// error has one, else "I/O error <errno>".
IoError ioErrorFromErrno(int err);

// The text of the default error report: the message, with a full stop
// appended when its last character comes after '.' in code order. The
// command-line tools quote the program's messages with it too.
std::string errorReportText(const std::string& message);

}  // namespace trimel
