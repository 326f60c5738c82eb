// The streaming line reader against the plain reading of the whole bytes:
// Ctrl-Z ends the file, a UTF-8 BOM at the start is skipped, lines end at
// LF or CR LF, each is kept to its window. The first byte picks the buffer
// size, so that lines cross its edges.
#include "FuzzSupport.h"
#include "domain/TextFile.h"

using namespace trimel;

namespace {

struct Line {
    std::string text;
    bool cut;
    bool operator==(const Line&) const = default;
};

std::vector<Line> plainLines(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\x1A'));
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::vector<Line> lines;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
        if (lf != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        const bool cut = line.size() > TextFile::kLineWindow;
        lines.push_back({std::string(line.substr(0, TextFile::kLineWindow)), cut});
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t bufferSize = 1 + data[0] % 64;
    const std::string_view bytes = fuzz::bytesOf(data + 1, size - 1);
    const fuzz::MemoryFile memory(bytes);

    TextFile file(memory.path(), bufferSize);
    FUZZ_CHECK(file.remainingBytes() <= bytes.size(), "the size hint stays within the file");
    std::vector<Line> lines;
    while (!file.atEnd()) {
        const std::string_view line = file.readLine();
        lines.push_back({std::string(line), file.lineCut()});
        FUZZ_CHECK(lines.size() <= bytes.size(), "every line takes a byte");
    }
    FUZZ_CHECK(lines == plainLines(bytes), "the lines of the plain reading");
    FUZZ_CHECK(file.readLine().empty() && file.atEnd(), "past the end only empty lines");
    return 0;
}
