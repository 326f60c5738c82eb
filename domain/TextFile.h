#pragma once

#include <string>
#include <string_view>

namespace trimel {

// A text file read whole and handed out line by line: a line ends at LF or
// CR LF, a Ctrl-Z ends the file, and the file is at its end only after its
// last line has been read, so a blank line at the end is one more, empty,
// line. Reading past the end gives empty lines. Open and read failures
// throw IoError.
class TextFile {
public:
    explicit TextFile(const std::string& path);

    bool atEnd() const { return pos_ >= end_; }
    std::string_view readLine() {
        if (atEnd()) return {};
        const std::string_view rest(data_.data() + pos_, end_ - pos_);
        const std::size_t lf = rest.find('\n');
        if (lf == std::string_view::npos) {
            pos_ = end_;
            return rest;
        }
        pos_ += lf + 1;
        std::string_view line = rest.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // CR LF
        return line;
    }
    std::size_t remainingBytes() const { return end_ - pos_; }

private:
    std::string data_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
};

}  // namespace trimel
