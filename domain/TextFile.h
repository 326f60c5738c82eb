#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace trimel {

// A text file read line by line: a line ends at LF or CR LF, a Ctrl-Z ends
// the file, and the file is at its end only after its last line has been
// read, so a blank line at the end is one more, empty, line. Reading past
// the end gives empty lines. A UTF-8 byte-order mark at the start is
// skipped: no valid file starts with one, but editors write it.
//
// The file is streamed through a fixed buffer, and of each line only its
// first kLineWindow bytes are kept, so any file, however large, loads in
// bounded memory; and no more than kReadLimit bytes are read, so any load
// ends quickly (LimitError). Only regular files are read: a folder, a pipe
// or a device is refused with "File access denied" without waiting on it.
// Open and read failures throw IoError.
class TextFile {
  public:
    // Bytes of a line that are kept: far more than any field the readers
    // take, short enough to quote in a message.
    static constexpr std::size_t kLineWindow = 256;

    // Bytes of a file that are read at most. The readers stop after 10001
    // lines, so only a file with lines no history or wheel has gets there.
    static constexpr std::size_t kReadLimit = std::size_t{64} << 20;

    // Bytes read at a time; tests and fuzzers take fewer to reach the
    // buffer's edges with small files.
    static constexpr std::size_t kBufferSize = std::size_t{1} << 16;

    explicit TextFile(const std::string& path, std::size_t bufferSize = kBufferSize);
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // May read on; the line last returned is then no longer valid.
    bool atEnd() { return pos_ == end_ && !refill(); }

    // The next line, cut to kLineWindow bytes (see lineCut). It stays valid
    // until the next call of readLine or atEnd.
    std::string_view readLine() {
        cut_ = false;
        if (atEnd()) return {};
        const char* start = buffer_.get() + pos_;
        const auto* lf = static_cast<const char*>(std::memchr(start, '\n', end_ - pos_));
        if (lf == nullptr) return readLongLine();
        pos_ += static_cast<std::size_t>(lf - start) + 1;
        std::string_view line(start, static_cast<std::size_t>(lf - start));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // CR LF
        if (line.size() > kLineWindow) {
            line.remove_suffix(line.size() - kLineWindow);
            cut_ = true;
        }
        return line;
    }

    // Whether the line last read was longer than what readLine returned.
    bool lineCut() const { return cut_; }

    // The bytes read ahead of the next line, for a reader that takes lines
    // of a fixed form straight from them; empty when atEnd() has to read on.
    std::string_view buffered() const { return {buffer_.get() + pos_, end_ - pos_}; }

    // Takes `bytes` of buffered(), which end with a line's LF, as read.
    void skip(std::size_t bytes) {
        if (bytes == 0) return;
        pos_ += bytes;
        cut_ = false;
    }

    // Bytes left to read as the file's size tells them (a hint for sizing).
    std::size_t remainingBytes() const {
        const std::size_t at = offset_ + pos_;
        return size_ > at ? size_ - at : 0;
    }

  private:
    bool refill();
    std::string_view readLongLine();

    int fd_ = -1;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool finished_ = false;  // the end of the file or a Ctrl-Z was reached
    bool cut_ = false;
    std::size_t size_ = 0;    // the file's size when it was opened
    std::size_t offset_ = 0;  // where in the file the buffer starts
    std::string long_;        // a line that crosses the buffer's end, as kept
};

// Whether nothing follows the line last read. It may read on, so that
// line must have been copied; a read that fails answers false.
bool nothingFollows(TextFile& file);

}  // namespace trimel
