#include "DrawHistory.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

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

// Takes the draw lines written the usual way, the draw number and the K
// numbers all in digits, with a two-character tag or none, straight from
// the file's buffer up to the table's end; any other line is left to
// readLine, which reads it as ever. K is fixed per instance, so that every
// loop over a line's fields has a known length.
template <int K>
void takePlainDrawsOf(AppState& state, TextFile& file) {
    constexpr drawfile::Field tag = drawfile::tag(K);
    constexpr auto tagAt = static_cast<std::size_t>(tag.first - 1);
    const auto untagged = static_cast<std::size_t>(drawfile::number(K).last());
    const auto tagged = static_cast<std::size_t>(tag.last());
    constexpr auto firstNumber = static_cast<std::size_t>(drawfile::number(1).first - 1);
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
        // The numbers go straight into the next record (a copy through the
        // stack would wait on its own stores); when a field is not digits,
        // readLine's way takes the line again and clears the record first.
        tyr& draw = draws[d + 1];
        std::int32_t drawNumber[2];
        if (!twoDigitFields(p, 2, drawNumber) ||
            !twoDigitFields(p + firstNumber, K, &draw.numbers[1]))
            break;
        ++d;
        draw.drawNumber = drawNumber[0] * 100 + drawNumber[1];
        draw.numbers[0] = 0;
        // Entries past K are zero already unless an earlier file had more
        // numbers: looking costs less than writing them again.
        std::int32_t rest = 0;
        for (std::size_t j = K + 1; j < draw.numbers.size(); ++j) rest |= draw.numbers[j];
        if (rest != 0)
            for (std::size_t j = K + 1; j < draw.numbers.size(); ++j) draw.numbers[j] = 0;
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

template <int... Ks>
constexpr auto plainDrawTakers(std::integer_sequence<int, Ks...>) {
    return std::array<void (*)(AppState&, TextFile&), sizeof...(Ks)>{&takePlainDrawsOf<Ks + 1>...};
}

void takePlainDraws(AppState& state, TextFile& file, int k) {
    static constexpr auto takers =
        plainDrawTakers(std::make_integer_sequence<int, kMaxDrawNumbers>{});
    if (k >= 1 && k <= kMaxDrawNumbers) takers[static_cast<std::size_t>(k - 1)](state, file);
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
