#include "TextFile.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
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

    // Read straight into the buffer; a file that grows while being read
    // (or reports no size) is read on in chunks.
    struct stat info {};
    if (::fstat(::fileno(file.get()), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        data_.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    for (;;) {
        if (filled == data_.size()) data_.resize(filled + (1 << 16));
        const std::size_t got = std::fread(data_.data() + filled, 1, data_.size() - filled, file.get());
        filled += got;
        if (got == 0) break;
    }
    data_.resize(filled);
    if (std::ferror(file.get())) throw ioErrorFromErrno((errno ? errno : EIO));
    if (std::fclose(file.release()) != 0) throw ioErrorFromErrno((errno ? errno : EIO));

    // Ctrl-Z ends a text file: nothing after it is read.
    end_ = data_.find('\x1A');
    if (end_ == std::string::npos) end_ = data_.size();
}

}  // namespace trimel
