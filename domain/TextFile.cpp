#include "TextFile.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "Errors.h"

namespace trimel {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

TextFile::TextFile(const std::string& path) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) throw ioErrorFromErrno((errno ? errno : ENOENT));

    char buffer[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        data_.append(buffer, got);
        if (got < sizeof buffer) break;
    }
    if (std::ferror(file.get())) throw ioErrorFromErrno((errno ? errno : EIO));
    if (std::fclose(file.release()) != 0) throw ioErrorFromErrno((errno ? errno : EIO));

    // Ctrl-Z ends a text file: nothing after it is read.
    end_ = data_.find('\x1A');
    if (end_ == std::string::npos) end_ = data_.size();
}

std::string_view TextFile::readLine() {
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

}  // namespace trimel
