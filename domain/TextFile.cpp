#include "TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "Errors.h"

namespace trimel {

namespace {

constexpr int kAccessDenied = 5;

}  // namespace

TextFile::TextFile(const std::string& path, std::size_t bufferSize)
    : capacity_(std::max<std::size_t>(bufferSize, 4)) {  // a BOM fits the first read
    // Non-blocking, so that opening a pipe with no writer returns at once;
    // it is refused below as not being a regular file.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) throw ioErrorFromErrno(errno ? errno : ENOENT);
    try {
        struct stat info {};
        if (::fstat(fd_, &info) != 0) throw ioErrorFromErrno(errno);
        if (!S_ISREG(info.st_mode)) throw IoError(kAccessDenied);
        size_ = static_cast<std::size_t>(info.st_size);
        buffer_.reset(new char[capacity_]);
        // The first read here, so that a file that cannot be read fails
        // before anything of it is taken.
        refill();
    } catch (...) {
        ::close(fd_);
        throw;
    }
    static constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (std::string_view(buffer_.get(), end_).starts_with(bom)) pos_ = bom.size();
}

TextFile::~TextFile() {
    ::close(fd_);
}

bool TextFile::refill() {
    if (finished_) return false;
    offset_ += end_;
    pos_ = end_ = 0;
    ssize_t got;
    do got = ::read(fd_, buffer_.get(), capacity_);
    while (got < 0 && errno == EINTR);
    if (got < 0) throw ioErrorFromErrno(errno);
    if (got > 0 && offset_ >= kReadLimit)
        throw LimitError("Файл слишком велик: программа читает не больше " +
                         std::to_string(kReadLimit >> 20) + " МБ файла.");
    end_ = static_cast<std::size_t>(got);
    // Ctrl-Z ends a text file: nothing after it is read.
    if (const void* z = std::memchr(buffer_.get(), '\x1A', end_)) {
        end_ = static_cast<std::size_t>(static_cast<const char*>(z) - buffer_.get());
        finished_ = true;
    }
    if (got == 0) finished_ = true;
    return end_ > 0;
}

std::string_view TextFile::readLongLine() {
    // One byte more than the window is kept, so that a CR before the LF can
    // still be taken off a line one byte over the window.
    long_.clear();
    std::size_t length = 0;
    char last = 0;
    for (;;) {
        const char* start = buffer_.get() + pos_;
        const std::size_t avail = end_ - pos_;
        const auto* lf = static_cast<const char*>(std::memchr(start, '\n', avail));
        const std::size_t take = lf ? static_cast<std::size_t>(lf - start) : avail;
        if (take > 0) {
            if (long_.size() <= kLineWindow)
                long_.append(start, std::min(take, kLineWindow + 1 - long_.size()));
            length += take;
            last = start[take - 1];
        }
        if (lf) {
            pos_ += take + 1;
            if (last == '\r') --length;  // CR LF
            break;
        }
        pos_ = end_;
        if (!refill()) break;  // the last line, with no LF after it
    }
    if (long_.size() > length) long_.resize(length);
    cut_ = length > kLineWindow;
    if (cut_) long_.resize(kLineWindow);
    return long_;
}

bool nothingFollows(TextFile& file) {
    try {
        return file.atEnd();
    } catch (const AppError&) {
        return false;
    }
}

}  // namespace trimel
