#include "DrawHistory.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>
#include <optional>
#include <type_traits>
#include <utility>

#include "DrawFileLayout.h"
#include "Errors.h"
#include "IntText.h"
#include "TextFile.h"
#include "TwoDigitFields.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace trimel {

namespace {

// The length of a line of `content` bytes at p, its LF or CR LF included,
// when that is how it ends within the `available` bytes; 0 otherwise.
inline std::size_t lineEndingAfter(const char* p, std::size_t available, std::size_t content) {
    if (available > content && p[content] == '\n' && p[content - 1] != '\r') return content + 1;
    if (available > content + 1 && p[content] == '\r' && p[content + 1] == '\n') return content + 2;
    return 0;
}

using DrawNumbers = std::array<std::int16_t, kMaxDrawNumbers + 1>;

#if defined(__SSE2__)
// The K numbers from p into numbers[1..K], with 0 in every other entry of
// the record's 21: only stores, which cost less than looking first.
template <int K>
bool takeNumbers(const char* p, DrawNumbers& numbers) {
    static_assert(kMaxDrawNumbers == 20, "the stores below cover entries 0..20");
    __m128i a = _mm_setzero_si128(), b = a, c = a;
    bool ok = twoDigitLanes<std::min(K, 8)>(p, a);
    if constexpr (K > 8) ok &= twoDigitLanes<std::min(K - 8, 8)>(p + 16, b);
    if constexpr (K > 16) ok &= twoDigitLanes<K - 16>(p + 32, c);
    // Field j goes to entry j: every lane one place up.
    auto* out = reinterpret_cast<char*>(numbers.data());
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_bslli_si128(a, 2));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16),
                     _mm_or_si128(_mm_bsrli_si128(a, 14), _mm_bslli_si128(b, 2)));
    const __m128i last = _mm_or_si128(_mm_bsrli_si128(b, 14), _mm_bslli_si128(c, 2));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 32), last);
    numbers[20] = static_cast<std::int16_t>(_mm_extract_epi16(last, 4));
    return ok;
}

// Bytes from a line's first number that takeNumbers reads.
constexpr std::size_t numberReach(int k) {
    return static_cast<std::size_t>(16 * ((k + 7) / 8));
}
#else
template <int K>
bool takeNumbers(const char* p, DrawNumbers& numbers) {
    std::array<std::int32_t, static_cast<std::size_t>(K)> fields;
    const bool ok = twoDigitFields(p, K, fields.data());
    numbers.fill(0);
    std::copy(fields.begin(), fields.end(), numbers.begin() + 1);
    return ok;
}

constexpr std::size_t numberReach(int k) {
    return static_cast<std::size_t>(2 * k);
}
#endif

// Where a draw line's parts stand for K numbers (0-based offsets).
template <int K>
struct DrawLine {
    static constexpr auto firstNumber = static_cast<std::size_t>(drawfile::number(1).first - 1);
    static constexpr auto untagged = static_cast<std::size_t>(drawfile::number(K).last());
    static constexpr auto tagAt = static_cast<std::size_t>(drawfile::tag(K).first - 1);
    static constexpr auto tagged = static_cast<std::size_t>(drawfile::tag(K).last());
};

// The length of the draw line at p, its line end included, and of its tag
// (0 or 2), as the line's fixed columns place them; a length of 0 when it
// does not end where a draw line can.
struct LineShape {
    std::size_t length;
    std::size_t tagLength;
};

template <int K>
LineShape lineShape(const char* p, std::size_t available) {
    using L = DrawLine<K>;
    if (available > L::tagged && p[L::untagged] != '\n' && p[L::tagAt] != '\n' &&
        p[L::tagAt + 1] != '\n')
        return {lineEndingAfter(p, available, L::tagged), 2};
    return {lineEndingAfter(p, available, L::untagged), 0};
}

// Takes the draw line at p into `draw` when the draw number and the K
// numbers are digits and the line ends where a draw line can. Returns its
// length, or 0 for any other line. At least numberReach(K) bytes follow
// the line's first number.
template <int K>
std::size_t takeLine(const char* p, std::size_t available, tyr& draw) {
    using L = DrawLine<K>;
    std::int32_t drawNumber[2];
    const auto [length, tagLength] = lineShape<K>(p, available);
    // The unread columns may hold anything but a line end. The numbers go
    // straight into the record; when a field is not digits, readLine's
    // way takes the line again and clears the record first.
    if (length == 0 || p[4] == '\n' || p[5] == '\n' || !twoDigitFields(p, 2, drawNumber) ||
        !takeNumbers<K>(p + L::firstNumber, draw.numbers))
        return 0;
    draw.drawNumber = drawNumber[0] * 100 + drawNumber[1];
    if (tagLength == 2)
        draw.tag.setPair(p + L::tagAt, 2);
    else
        draw.tag.clear();
    return length;
}

#if defined(__x86_64__) && defined(__GNUC__)
#define TRIMEL_WIDE_DRAW_LINES 1
// The usual lines again, 32 bytes at a time where the processor has AVX2
// (chosen when the program runs, so that it still runs on any x86-64): a
// mask each of where the digits and the line ends are tells the line's
// shape, and every two-digit field becomes a 16-bit lane at once. Number
// j lies in bytes 4 + 2j and 5 + 2j of its line and of its record alike,
// so the lanes go into the record with no shuffle.
static_assert(std::is_trivially_copyable_v<tyr> && sizeof(tyr) == 52 &&
                  offsetof(tyr, numbers) == 4 && offsetof(tyr, tag) == 46,
              "a record's layout as the wide reader writes it");
static_assert(drawfile::kDrawNumber.first == 1 && drawfile::kDrawNumber.count == 4,
              "the draw number is the line's first two lanes");

template <int K>
struct WideDrawLine : DrawLine<K> {
    using L = DrawLine<K>;
    // 32-byte words a line with CR LF after the tag lies in: 1 or 2.
    static constexpr int words = static_cast<int>((L::tagged + 2 + 31) / 32);
    static constexpr std::size_t bytes = 32 * static_cast<std::size_t>(words);
    // Draw number in columns 1..4, the numbers from column 7 on.
    static constexpr std::uint64_t digits =
        0xFull | (((std::uint64_t{1} << (2 * K)) - 1) << L::firstNumber);
    // Of the record's first 24 16-bit entries, those that hold a number.
    alignas(32) static constexpr auto keep = [] {
        std::array<std::int16_t, 24> entries{};
        for (int j = 1; j <= K; ++j) entries[static_cast<std::size_t>(j + 2)] = -1;
        return entries;
    }();
};

// Where the line at p ends, as the number of columns between its last
// number and its LF: 0, or 1 for a CR, 3 after a tag, 4 for a tag and a
// CR; 5 when it ends any other way.
template <int K>
[[gnu::target("avx2")]] unsigned wideLineShape(const char* p) {
    using L = WideDrawLine<K>;
    std::uint64_t lf = 0;
    for (int i = 0; i < L::words; ++i) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32 * i));
        lf |= std::uint64_t{static_cast<std::uint32_t>(
                  _mm256_movemask_epi8(_mm256_cmpeq_epi8(x, _mm256_set1_epi8('\n'))))}
              << (32 * i);
    }
    const auto r = static_cast<unsigned>(std::countr_zero(lf) - static_cast<int>(L::untagged));
    if (r > 4 || r == 2) return 5;
    const bool cr = p[L::untagged + r - 1] == '\r';
    return cr == (r == 1 || r == 4) ? r : 5;
}

// Takes the line at p into `draw` when it ends R columns after its last
// number as wideLineShape tells and its fields are digits; false, with
// `draw` untouched, otherwise.
template <int K, unsigned R>
[[gnu::target("avx2")]] bool takeWideLine(const char* p, tyr& draw) {
    using L = WideDrawLine<K>;
    __m256i lanes[2] = {};
    std::uint64_t digits = 0, lf = 0;
#pragma GCC unroll 2
    for (int i = 0; i < L::words; ++i) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32 * i));
        const __m256i d = _mm256_sub_epi8(x, _mm256_set1_epi8('0'));
        const auto isDigit = _mm256_cmpeq_epi8(_mm256_min_epu8(d, _mm256_set1_epi8(9)), d);
        const auto isLf = _mm256_cmpeq_epi8(x, _mm256_set1_epi8('\n'));
        digits |= std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(isDigit))}
                  << (32 * i);
        lf |= std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(isLf))} << (32 * i);
        // The first digit of each pair in the low byte: low * 10 + high.
        lanes[i] = _mm256_add_epi16(
            _mm256_mullo_epi16(_mm256_and_si256(d, _mm256_set1_epi16(0xFF)), _mm256_set1_epi16(10)),
            _mm256_srli_epi16(d, 8));
    }
    constexpr std::size_t end = L::untagged + R;
    if ((digits & L::digits) != L::digits ||
        (lf & ((std::uint64_t{2} << end) - 1)) != std::uint64_t{1} << end ||
        (p[end - 1] == '\r') != (R == 1 || R == 4))
        return false;
    const auto* keep = reinterpret_cast<const __m256i*>(L::keep.data());
    auto* out = reinterpret_cast<char*>(&draw);
    // The draw number from the first two lanes, into the record's first four bytes.
    const __m256i drawNumber = _mm256_madd_epi16(
        lanes[0], _mm256_setr_epi16(100, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    _mm256_storeu_si256(
        reinterpret_cast<__m256i*>(out),
        _mm256_or_si256(drawNumber, _mm256_and_si256(lanes[0], _mm256_load_si256(keep))));
    // Entries 14..20, then the tag over the bytes after them.
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 32),
                     _mm_and_si128(_mm256_castsi256_si128(lanes[1]),
                                   _mm_load_si128(reinterpret_cast<const __m128i*>(keep + 1))));
    draw.tag.setPair(p + L::tagAt, R >= 3 ? 2 : 0);
    return true;
}

// Takes lines that end as the one at `at` does while they come, from the
// record after d on.
template <int K, unsigned R>
[[gnu::target("avx2")]] void takeWideLines(std::string_view buffer, std::size_t& at, tyr* draws,
                                           int& d, int last) {
    constexpr std::size_t length = DrawLine<K>::untagged + R + 1;
    tyr* draw = draws + d + 1;
    while (d < last && buffer.size() - at >= WideDrawLine<K>::bytes &&
           takeWideLine<K, R>(buffer.data() + at, *draw)) {
        ++d;
        ++draw;
        at += length;
    }
}

// Lines of a file mostly end alike: in a loop for one way of ending every
// offset is fixed, so that where a line starts never waits on reading the
// line before.
template <int K>
[[gnu::target("avx2")]] void takeWideDraws(std::string_view buffer, std::size_t& at, tyr* draws,
                                           int& d, int last) {
    if (buffer.size() - at < WideDrawLine<K>::bytes) return;
    switch (wideLineShape<K>(buffer.data() + at)) {
        case 0:
            return takeWideLines<K, 0>(buffer, at, draws, d, last);
        case 1:
            return takeWideLines<K, 1>(buffer, at, draws, d, last);
        case 3:
            return takeWideLines<K, 3>(buffer, at, draws, d, last);
        case 4:
            return takeWideLines<K, 4>(buffer, at, draws, d, last);
        default:
            return;
    }
}

bool haveAvx2() {
    static const bool have = __builtin_cpu_supports("avx2");
    return have;
}
#endif

// Takes the draw lines written the usual way, the draw number and the K
// numbers all in digits, with a two-character tag or none, straight from
// the file's buffer up to the table's end; any other line is left to
// readLine, which reads it as ever. K is fixed per instance, so that every
// loop over a line's fields has a known length.
template <int K>
void takePlainDrawsOf(AppState& state, TextFile& file) {
    using L = DrawLine<K>;
    const std::string_view buffer = file.buffered();
    tyr* const draws = state.draws.data();
    const int last = std::min(kMaxDraws, static_cast<int>(state.draws.size()) - 1);
    int d = state.D;
    std::size_t at = 0;
    for (;;) {
#if defined(TRIMEL_WIDE_DRAW_LINES)
        if (haveAvx2()) takeWideDraws<K>(buffer, at, draws, d, last);
#endif
        if (d == last || buffer.size() - at <= L::untagged ||
            buffer.size() - at < L::firstNumber + numberReach(K))
            break;
        const std::size_t length =
            takeLine<K>(buffer.data() + at, buffer.size() - at, draws[d + 1]);
        if (length == 0) break;
        ++d;
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
                static_cast<std::int16_t>(fieldToInt(drawfile::cut(line, drawfile::number(j))));
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
