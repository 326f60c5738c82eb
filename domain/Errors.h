#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace trimel {

// Where in a file a load failed, for the tools that explain it: the line
// (from 1), the columns of the field (from 1; the whole line for a field
// that is a line of its own), what the field is, the line as the reader
// kept it, and whether any line follows it.
struct FilePlace {
    int line = 0;
    int firstColumn = 0;
    int lastColumn = 0;
    std::string field;
    std::string lineText;
    bool lastLine = false;
    bool operator==(const FilePlace&) const = default;
};

// Every failure the program reports to the user derives from AppError;
// what() is the message exactly as the user should read it (UTF-8). A
// file reader adds where the file failed; the message stays the same.
class AppError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;

    const std::optional<FilePlace>& place() const { return place_; }
    void setPlace(FilePlace place) { place_ = std::move(place); }

  private:
    std::optional<FilePlace> place_;
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
