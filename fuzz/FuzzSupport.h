#pragma once

// What the fuzz targets share: splitting one input into several texts,
// files to hand the readers, and the checks that every message a target
// sees is one of the program's own.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace trimel::fuzz {

// Stops the run with a report libFuzzer keeps as a crash.
#define FUZZ_CHECK(cond, what)                                                            \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", std::string(what).c_str(), \
                         __FILE__, __LINE__);                                             \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input's texts, separated by lines of "%%"; the last of `count`
// takes the rest, missing ones are empty. Seeds stay readable this way.
inline std::vector<std::string_view> splitInput(std::string_view input, std::size_t count) {
    static constexpr std::string_view separator = "\n%%\n";
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t at = input.find(separator);
        if (at == std::string_view::npos) break;
        parts.push_back(input.substr(0, at));
        input.remove_prefix(at + separator.size());
    }
    parts.push_back(input);
    parts.resize(count);
    return parts;
}

// A regular file in memory with the given bytes, opened by its path.
class MemoryFile {
  public:
    explicit MemoryFile(std::string_view bytes) : fd_(::memfd_create("fuzz", MFD_CLOEXEC)) {
        FUZZ_CHECK(fd_ >= 0, "memfd_create");
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            FUZZ_CHECK(n > 0, "write");
            done += static_cast<std::size_t>(n);
        }
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

  private:
    int fd_;
};

// A folder of this process's own, emptied for every input; in memory
// where the system offers it.
inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path root = [] {
        namespace fs = std::filesystem;
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path p = base / ("trimel-fuzz-" + std::to_string(::getpid()));
        fs::remove_all(p);
        fs::create_directories(p);
        std::atexit([] { std::filesystem::remove_all(scratchFolder()); });
        return p;
    }();
    return root;
}

inline std::filesystem::path freshFolder(const std::string& name) {
    const std::filesystem::path p = scratchFolder() / name;
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p;
}

// UTF-16 of a UTF-8 text, as a text edit would hold it: a byte that does
// not begin a valid sequence becomes U+FFFD.
std::u16string utf16Of(std::string_view utf8);

bool isVisibleText(std::string_view text);
bool isConversionMessage(std::string_view message);
bool isIoMessage(std::string_view message);

// Writes files into `folder` from (name, bytes) pairs. A name is taken as
// fuzzed, but a leading '/' makes a folder, '|' a pipe and '@' a link to
// nowhere of the rest of the name; names the file system cannot hold are
// skipped.
void writeEntries(const std::filesystem::path& folder,
                  const std::vector<std::pair<std::string_view, std::string_view>>& entries);

}  // namespace trimel::fuzz
