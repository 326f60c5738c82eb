#include "DrawHistory.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
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

#if defined(__SSE2__)
// The K numbers from p into numbers[1..K], with 0 in every other entry of
// the record's 21: only stores, which cost less than looking first.
template <int K>
bool takeNumbers(const char* p, std::array<std::int32_t, kMaxDrawNumbers + 1>& numbers) {
    static_assert(kMaxDrawNumbers == 20, "the stores below cover entries 0..20");
    __m128i a = _mm_setzero_si128(), b = a, c = a;
    bool ok = twoDigitLanes<std::min(K, 8)>(p, a);
    if constexpr (K > 8) ok &= twoDigitLanes<std::min(K - 8, 8)>(p + 16, b);
    if constexpr (K > 16) ok &= twoDigitLanes<K - 16>(p + 32, c);
    std::int32_t* out = numbers.data();
    out[0] = 0;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 1), lowLanes32(a));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 5), highLanes32(a));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 9), lowLanes32(b));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 13), highLanes32(b));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 17), lowLanes32(c));
    return ok;
}

// Bytes from a line's first number that takeNumbers reads.
constexpr std::size_t numberReach(int k) {
    return static_cast<std::size_t>(16 * ((k + 7) / 8));
}
#else
template <int K>
bool takeNumbers(const char* p, std::array<std::int32_t, kMaxDrawNumbers + 1>& numbers) {
    numbers[0] = 0;
    std::fill(numbers.begin() + K + 1, numbers.end(), 0);
    return twoDigitFields(p, K, &numbers[1]);
}

constexpr std::size_t numberReach(int k) {
    return static_cast<std::size_t>(2 * k);
}
#endif

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
    constexpr std::size_t reach = firstNumber + numberReach(K);
    while (d < last && buffer.size() - at > untagged && buffer.size() - at >= reach) {
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
        if (!twoDigitFields(p, 2, drawNumber) || !takeNumbers<K>(p + firstNumber, draw.numbers))
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

namespace {

DrawLoadResult readDrawHistory(AppState& state, const std::string& path) {
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
            draw.numbers[static_cast<std::size_t>(j)] =
                fieldToInt(drawfile::cut(line, drawfile::number(j)));
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

FilePlace fieldPlace(int line, drawfile::Field f, std::string name, std::string_view text) {
    return {line, f.first, f.last(), std::move(name), std::string(text), false};
}

// Where a load that stopped at `draws` draws failed: the file is read again
// up to the failing line, and of it the first field, in the reader's order,
// that does not convert. Nothing when the error is not a field's.
std::optional<FilePlace> failedField(const AppError& e, const std::string& path, int draws) {
    TextFile file(path);
    std::string_view text = file.readLine();
    std::int32_t k = 0, value = 0;
    const bool kConverts = tryStrToInt(drawfile::cut(text, drawfile::kHeaderK), k);
    std::optional<FilePlace> place;
    if (dynamic_cast<const LimitError*>(&e)) {
        if (draws == 0 && kConverts && k > kMaxDrawNumbers)
            place = fieldPlace(1, drawfile::kHeaderK, "K", text);
        return place;
    }
    if (draws == 0) {
        place = kConverts ? fieldPlace(1, drawfile::kHeaderN, "N", text)
                          : fieldPlace(1, drawfile::kHeaderK, "K", text);
    } else {
        for (int line = 2; line <= draws + 1; ++line) text = file.readLine();
        place = fieldPlace(draws + 1, drawfile::kDrawNumber, "номер тиража", text);
        if (tryStrToInt(drawfile::cut(text, drawfile::kDrawNumber), value)) {
            int j = 1;
            while (j < k && tryStrToInt(drawfile::cut(text, drawfile::number(j)), value)) ++j;
            place = fieldPlace(draws + 1, drawfile::number(j), "число " + intToStr(j), text);
        }
    }
    place->lastLine = nothingFollows(file);
    return place;
}

// Adds where the load failed to its error; a second read that fails itself
// leaves the error as it was.
void addPlace(AppError& e, const std::string& path, int draws) {
    try {
        if (auto place = failedField(e, path, draws)) e.setPlace(std::move(*place));
    } catch (const AppError&) {
    }
}

}  // namespace

DrawLoadResult loadDrawHistory(AppState& state, const std::string& path) {
    try {
        return readDrawHistory(state, path);
    } catch (ConvertError& e) {
        addPlace(e, path, state.D);
        throw;
    } catch (LimitError& e) {
        addPlace(e, path, state.D);
        throw;
    }
}

}  // namespace trimel
