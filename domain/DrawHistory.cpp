#include "DrawHistory.h"

#include <algorithm>
#include <array>
#include <bit>
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
// length, or 0, with `draw` untouched, for any other line.
template <int K>
std::size_t takeLine(const char* p, std::size_t available, tyr& draw) {
    using L = DrawLine<K>;
    std::int32_t drawNumber[2];
    std::array<std::int32_t, static_cast<std::size_t>(K)> fields;
    const auto [length, tagLength] = lineShape<K>(p, available);
    // The unread columns may hold anything but a line end.
    if (length == 0 || p[4] == '\n' || p[5] == '\n' || !twoDigitFields(p, 2, drawNumber) ||
        !twoDigitFields(p + L::firstNumber, K, fields.data()))
        return 0;
    draw.drawNumber = drawNumber[0] * 100 + drawNumber[1];
    draw.numbers.fill(0);
    std::copy(fields.begin(), fields.end(), draw.numbers.begin() + 1);
    if (tagLength == 2)
        draw.tag.setPair(p + L::tagAt, 2);
    else
        draw.tag.clear();
    return length;
}

#if defined(__SSE2__)
// The same for lines that lie in the `chunks` 16-byte words from p, in one
// pass over them: a mask each of where the digits and the line ends are
// tells the shape, and every two-digit field becomes a 16-bit lane at
// once. Lines keep to even columns, so field j is lane j + 2 of the line.
template <int K>
struct WideDrawLine : DrawLine<K> {
    static constexpr int chunks = static_cast<int>((DrawLine<K>::tagged + 2 + 15) / 16);
    static constexpr std::size_t bytes = 16 * chunks;
    // Draw number in columns 1..4, the numbers from column 7 on.
    static constexpr std::uint64_t digits =
        0xFull | (((std::uint64_t{1} << (2 * K)) - 1) << DrawLine<K>::firstNumber);
    // Which 16-bit entries of the numbers' three words hold a number.
    alignas(16) static constexpr auto keep = [] {
        std::array<std::array<std::int16_t, 8>, 3> words{};
        for (int e = 1; e <= K; ++e)
            words[static_cast<std::size_t>(e / 8)][static_cast<std::size_t>(e % 8)] = -1;
        return words;
    }();
};

// Where the line at p ends, of the four ways a draw line can, as the
// number of columns after its last number before the LF (0, 1 for a CR,
// 3 after a tag, 4 for a tag and a CR); 5 when it ends another way.
template <int K>
unsigned wideLineShape(const char* p) {
    using L = WideDrawLine<K>;
    std::uint64_t lf = 0;
    for (int i = 0; i < L::chunks; ++i) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        lf |= std::uint64_t{static_cast<std::uint32_t>(
                  _mm_movemask_epi8(_mm_cmpeq_epi8(x, _mm_set1_epi8('\n'))))}
              << (16 * i);
    }
    const auto r = static_cast<unsigned>(std::countr_zero(lf)) - static_cast<unsigned>(L::untagged);
    if (r > 4 || r == 2) return 5;
    const bool cr = p[L::untagged + r - 1] == '\r';
    return cr == (r == 1 || r == 4) ? r : 5;
}

template <int K, unsigned R>
bool takeWideLine(const char* p, tyr& draw) {
    using L = WideDrawLine<K>;
    static_assert(kMaxDrawNumbers == 20 && L::chunks <= 4, "entries 0..20 lie in three words");
    __m128i lanes[4] = {};
    std::uint64_t digits = 0, lf = 0;
#pragma GCC unroll 4
    for (int i = 0; i < L::chunks; ++i) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        const __m128i d = _mm_sub_epi8(x, _mm_set1_epi8('0'));
        const auto bits = [i](__m128i m) {
            return std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(m))} << (16 * i);
        };
        digits |= bits(_mm_cmpeq_epi8(_mm_min_epu8(d, _mm_set1_epi8(9)), d));
        lf |= bits(_mm_cmpeq_epi8(x, _mm_set1_epi8('\n')));
        // The first digit of each pair in the low byte: low * 10 + high.
        lanes[i] = _mm_add_epi16(
            _mm_mullo_epi16(_mm_and_si128(d, _mm_set1_epi16(0xFF)), _mm_set1_epi16(10)),
            _mm_srli_epi16(d, 8));
    }
    if ((digits & L::digits) != L::digits) return false;
    // The line ends R columns after its last number, and with a CR
    // before the LF exactly when R is 1 or 4.
    constexpr std::size_t end = L::untagged + R;
    if ((lf & ((std::uint64_t{2} << end) - 1)) != std::uint64_t{1} << end ||
        (p[end - 1] == '\r') != (R == 1 || R == 4))
        return false;
    constexpr bool tagged = R >= 3;
    draw.drawNumber =
        _mm_cvtsi128_si32(_mm_madd_epi16(lanes[0], _mm_setr_epi16(100, 1, 0, 0, 0, 0, 0, 0)));
    // Entry e of the numbers is lane e + 2 of the line, kept for e = 1..K.
    auto* out = reinterpret_cast<char*>(draw.numbers.data());
    __m128i entries[3];
#pragma GCC unroll 3
    for (std::size_t j = 0; j < 3; ++j) {
        const __m128i next = j + 1 < 4 ? lanes[j + 1] : _mm_setzero_si128();
        entries[j] =
            _mm_and_si128(_mm_or_si128(_mm_bsrli_si128(lanes[j], 4), _mm_bslli_si128(next, 12)),
                          _mm_load_si128(reinterpret_cast<const __m128i*>(L::keep[j].data())));
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), entries[0]);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16), entries[1]);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 32), entries[2]);
    draw.numbers[20] = static_cast<std::int16_t>(_mm_extract_epi16(entries[2], 4));
    draw.tag.setPair(p + L::tagAt, tagged ? 2 : 0);
    return true;
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
#if defined(__SSE2__)
        // Lines of a file mostly end alike: in a loop for one way of ending
        // every offset is fixed, so that where a line starts never waits
        // on reading the line before.
        const auto wideLines = [&]<unsigned R>() {
            tyr* draw = draws + d + 1;
            while (d < last && buffer.size() - at >= WideDrawLine<K>::bytes &&
                   takeWideLine<K, R>(buffer.data() + at, *draw)) {
                ++d;
                ++draw;
                at += L::untagged + R + 1;
            }
        };
        if (buffer.size() - at >= WideDrawLine<K>::bytes) {
            switch (wideLineShape<K>(buffer.data() + at)) {
                case 0:
                    wideLines.template operator()<0>();
                    break;
                case 1:
                    wideLines.template operator()<1>();
                    break;
                case 3:
                    wideLines.template operator()<3>();
                    break;
                case 4:
                    wideLines.template operator()<4>();
                    break;
                default:
                    break;
            }
        }
#endif
        // Every field of a line lies before its untagged end.
        if (d == last || buffer.size() - at <= L::untagged) break;
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
