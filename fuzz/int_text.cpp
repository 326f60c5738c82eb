// The integer-text conversion against its wording: optional blanks, an
// optional sign, decimal digits or hexadecimal ones after $, x, X, 0x or
// 0X, a value that fits 32 bits; anything else is the conversion error
// quoting the text whole. The inline field conversion must agree.
#include <optional>

#include "FuzzSupport.h"
#include "domain/Errors.h"
#include "domain/IntText.h"
#include "domain/Utf8.h"

using namespace trimel;

namespace {

std::optional<std::int32_t> byTheWording(std::string_view t) {
    const std::size_t start = t.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    t.remove_prefix(start);
    const bool negative = t.starts_with('-');
    if (t.starts_with('-') || t.starts_with('+')) t.remove_prefix(1);
    int base = 10;
    for (std::string_view prefix : {"0x", "0X", "$", "x", "X"})
        if (t.starts_with(prefix)) {
            base = 16;
            t.remove_prefix(prefix.size());
            break;
        }
    if (t.empty()) return std::nullopt;
    const std::string_view digits = base == 16 ? "0123456789abcdefABCDEF" : "0123456789";
    long double magnitude = 0;  // wide enough to tell any overflow
    for (const char c : t) {
        std::size_t d = digits.find(c);
        if (d == std::string_view::npos) return std::nullopt;
        if (d >= 16) d -= 6;  // A-F
        magnitude = magnitude * base + static_cast<long double>(d);
        if (magnitude > 4294967296.0L) return std::nullopt;
    }
    const long double value = negative ? -magnitude : magnitude;
    if (value < -2147483648.0L || value > 2147483647.0L) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::bytesOf(data, size);
    const std::optional<std::int32_t> expected = byTheWording(text);

    std::string message;
    std::int32_t value = 0;
    try {
        value = strToInt(text);
    } catch (const ConvertError& e) {
        message = e.what();
    }
    if (expected) {
        FUZZ_CHECK(message.empty() && value == *expected, "a valid text converts to its value");
    } else {
        FUZZ_CHECK(message == "'" + visibleText(text) + "' is not a valid integer value",
                   "the error quotes the text whole");
        FUZZ_CHECK(fuzz::isConversionMessage(message), "the message shows no control character");
    }

    std::int32_t tried = 0;
    FUZZ_CHECK(tryStrToInt(text, tried) == expected.has_value(), "tryStrToInt agrees");
    try {
        const std::int32_t field = fieldToInt(text);
        FUZZ_CHECK(expected && field == *expected, "fieldToInt agrees");
    } catch (const ConvertError& e) {
        FUZZ_CHECK(!expected && message == e.what(), "fieldToInt fails alike");
    }
    return 0;
}
