#include "DrawHistory.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "DrawFileLayout.h"
#include "Errors.h"
#include "IntText.h"
#include "TextFile.h"
#include "TwoDigitFields.h"

namespace trimel {

namespace {

// The length of a line of `content` bytes at p, its LF or CR LF included,
// when that is how it ends within the `available` bytes; 0 otherwise.
inline std::size_t lineEndingAfter(const char* p, std::size_t available, std::size_t content) {
    if (available > content && p[content] == '\n' && p[content - 1] != '\r') return content + 1;
    if (available > content + 1 && p[content] == '\r' && p[content + 1] == '\n') return content + 2;
    return 0;
}

// Zeroes a record's numbers with plain stores: the memset a loop would
// become is a string instruction whose start-up costs more than the stores.
inline void clearNumbers(std::array<std::int32_t, kMaxDrawNumbers + 1>& numbers) {
    static_assert(sizeof numbers == 84);
    constexpr std::uint64_t zero = 0;
    char* at = reinterpret_cast<char*>(numbers.data());
    std::memcpy(at, &zero, 8);
    std::memcpy(at + 8, &zero, 8);
    std::memcpy(at + 16, &zero, 8);
    std::memcpy(at + 24, &zero, 8);
    std::memcpy(at + 32, &zero, 8);
    std::memcpy(at + 40, &zero, 8);
    std::memcpy(at + 48, &zero, 8);
    std::memcpy(at + 56, &zero, 8);
    std::memcpy(at + 64, &zero, 8);
    std::memcpy(at + 72, &zero, 8);
    std::memcpy(at + 76, &zero, 8);
}

// Takes the draw lines written the usual way, the draw number and the K
// numbers all in digits, with a two-character tag or none, straight from
// the file's buffer up to the table's end; any other line is left to
// readLine, which reads it as ever.
void takePlainDraws(AppState& state, TextFile& file, int k) {
    if (k < 1 || k > kMaxDrawNumbers) return;
    const drawfile::Field tag = drawfile::tag(k);
    const auto tagAt = static_cast<std::size_t>(tag.first - 1);
    const auto untagged = static_cast<std::size_t>(drawfile::number(k).last());
    const auto tagged = static_cast<std::size_t>(tag.last());
    const auto firstNumber = static_cast<std::size_t>(drawfile::number(1).first - 1);
    const std::string_view buffer = file.buffered();
    tyr* const draws = state.draws.data();
    const int last = std::min(kMaxDraws, static_cast<int>(state.draws.size()) - 1);
    int d = state.D;
    std::size_t at = 0;
    while (d < last && buffer.size() - at > untagged) {
        const char* p = buffer.data() + at;
        const std::size_t available = buffer.size() - at;
        std::size_t length = 0;
        std::size_t tagLength = 0;
        if (available > tagged && p[untagged] != '\n' && p[tagAt] != '\n' && p[tagAt + 1] != '\n') {
            length = lineEndingAfter(p, available, tagged);
            tagLength = 2;
        } else {
            length = lineEndingAfter(p, available, untagged);
        }
        // The unread columns may hold anything but a line end.
        if (length == 0 || p[4] == '\n' || p[5] == '\n') break;
        // The numbers go straight into the next record; when a field is not
        // digits, readLine's way takes the line again and clears the record first.
        tyr& draw = draws[d + 1];
        clearNumbers(draw.numbers);
        std::int32_t drawNumber[2];
        if (!twoDigitFields(p, 2, drawNumber) || !twoDigitFields(p + firstNumber, k, &draw.numbers[1]))
            break;
        ++d;
        draw.drawNumber = drawNumber[0] * 100 + drawNumber[1];
        if (draw.tag.size() == tagLength) {
            if (tagLength == 2) std::memcpy(draw.tag.data(), p + tagAt, 2);
        } else {
            draw.tag.assign(p + tagAt, tagLength);
        }
        at += length;
    }
    state.D = d;
    file.skip(at);
}

}  // namespace

void proposePartSizes(std::int32_t n, std::string& part1, std::string& part2) {
    part1 = intToStr(roundHalfEven(n / 2.0));
    // The second size is taken from the first edit's text, as the user sees it.
    part2 = intToStr(std::int64_t{n} - strToInt(part1));
}

DrawLoadResult loadDrawHistory(AppState& state, const std::string& path) {
    state.D = 0;
    TextFile file(path);

    const std::string_view header = file.readLine();
    const std::int32_t k = strToInt(drawfile::cut(header, drawfile::kHeaderK));
    if (k > kMaxDrawNumbers)
        throw LimitError("В тираже не может быть больше " + intToStr(kMaxDrawNumbers) + " чисел.");
    state.K = k;
    state.N = strToInt(drawfile::cut(header, drawfile::kHeaderN));

    const drawfile::Field tag = drawfile::tag(k);
    for (;;) {
        takePlainDraws(state, file, k);
        if (file.atEnd() || state.D == kMaxDraws) break;
        const std::string_view line = file.readLine();
        tyr& draw = state.draws[static_cast<std::size_t>(++state.D)];
        // A line that fails part-way keeps nothing of an earlier file.
        draw.numbers.fill(0);
        draw.tag.clear();
        draw.drawNumber = 0;
        draw.drawNumber = fieldToInt(drawfile::cut(line, drawfile::kDrawNumber));
        for (int j = 1; j <= k; ++j)
            draw.numbers[static_cast<std::size_t>(j)] = fieldToInt(drawfile::cut(line, drawfile::number(j)));
        draw.tag.assign(drawfile::cut(line, tag));
    }
    const bool cut = !file.atEnd();

    DrawLoadResult result;
    proposePartSizes(state.N, result.part1Text, result.part2Text);
    if (cut)
        result.notice = "В файле больше " + intToStr(kMaxDraws) + " тиражей: загружены первые " +
                        intToStr(kMaxDraws) + ".";
    return result;
}

}  // namespace trimel
