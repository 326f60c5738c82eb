#include "domain/IntText.h"

#include <gtest/gtest.h>

#include "domain/Errors.h"

using namespace trimel;

namespace {

std::string conversionMessage(std::string_view text) {
    try {
        strToInt(text);
    } catch (const ConvertError& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace

TEST(IntText, AcceptsDecimalWithLeadingBlanksAndSign) {
    EXPECT_EQ(strToInt("0157"), 157);
    EXPECT_EQ(strToInt(" 157"), 157);
    EXPECT_EQ(strToInt("   7"), 7);
    EXPECT_EQ(strToInt("+12"), 12);
    EXPECT_EQ(strToInt("-12"), -12);
    EXPECT_EQ(strToInt(" -5"), -5);
    EXPECT_EQ(strToInt("0"), 0);
    EXPECT_EQ(strToInt("00"), 0);
}

TEST(IntText, AcceptsEveryHexPrefix) {
    EXPECT_EQ(strToInt("$1F"), 31);
    EXPECT_EQ(strToInt("x1f"), 31);
    EXPECT_EQ(strToInt("X10"), 16);
    EXPECT_EQ(strToInt("0x10"), 16);
    EXPECT_EQ(strToInt("0XfF"), 255);
    EXPECT_EQ(strToInt("-$10"), -16);
    EXPECT_EQ(strToInt(" $7FFFFFFF"), 2147483647);
}

TEST(IntText, KeepsTheSigned32BitRange) {
    EXPECT_EQ(strToInt("2147483647"), 2147483647);
    EXPECT_EQ(strToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(strToInt("-$80000000"), -2147483647 - 1);
    EXPECT_EQ(conversionMessage("2147483648"), "'2147483648' is not a valid integer value");
    EXPECT_EQ(conversionMessage("$80000000"), "'$80000000' is not a valid integer value");
    EXPECT_EQ(conversionMessage("99999999999999999999"),
              "'99999999999999999999' is not a valid integer value");
}

TEST(IntText, RefusesEverythingElseNamingTheText) {
    EXPECT_EQ(conversionMessage(""), "'' is not a valid integer value");
    EXPECT_EQ(conversionMessage("  "), "'  ' is not a valid integer value");
    EXPECT_EQ(conversionMessage("6 "), "'6 ' is not a valid integer value");
    EXPECT_EQ(conversionMessage("a1"), "'a1' is not a valid integer value");
    EXPECT_EQ(conversionMessage("-"), "'-' is not a valid integer value");
    EXPECT_EQ(conversionMessage("$"), "'$' is not a valid integer value");
    EXPECT_EQ(conversionMessage("0x"), "'0x' is not a valid integer value");
    EXPECT_EQ(conversionMessage("1g"), "'1g' is not a valid integer value");
    EXPECT_EQ(conversionMessage("- 5"), "'- 5' is not a valid integer value");
    EXPECT_EQ(conversionMessage("12a"), "'12a' is not a valid integer value");
    std::int32_t v = 99;
    EXPECT_FALSE(tryStrToInt("1.5", v));
    EXPECT_EQ(v, 99);
}

TEST(IntText, QuotesTheTextWholeWithEveryUnshowableCharacterMarked) {
    EXPECT_EQ(conversionMessage("\xff"
                                "1"),
              "'\xEF\xBF\xBD"
              "1' is not a valid integer value");
    EXPECT_EQ(conversionMessage("ж"), "'ж' is not a valid integer value");
    // A UTF-16 text: the NULs neither cut the message nor vanish.
    EXPECT_EQ(conversionMessage(std::string_view("0\0.\0", 4)),
              "'0\uFFFD.\uFFFD' is not a valid integer value");
    EXPECT_EQ(conversionMessage("\t5\r\x1A\x7F"
                                "\xC2\x85"),
              "'\uFFFD"
              "5\uFFFD\uFFFD\uFFFD\uFFFD' is not a valid integer value");
}

TEST(IntText, WritesPlainDecimal) {
    EXPECT_EQ(intToStr(0), "0");
    EXPECT_EQ(intToStr(7), "7");
    EXPECT_EQ(intToStr(-42), "-42");
    EXPECT_EQ(intToStr(2147483647), "2147483647");
}

TEST(IntText, CutsColumnsLikeTheReaders) {
    EXPECT_EQ(columns("0157  031119", 1, 4), "0157");
    EXPECT_EQ(columns("0157  031119", 7, 2), "03");
    EXPECT_EQ(columns("0157  0", 7, 2), "0");
    EXPECT_EQ(columns("0157", 7, 2), "");
    EXPECT_EQ(columns("0157", 5, 2), "");
    EXPECT_EQ(columns("", 1, 2), "");
}

TEST(IntText, RoundsHalfToEven) {
    EXPECT_EQ(roundHalfEven(22.5), 22);
    EXPECT_EQ(roundHalfEven(23.5), 24);
    EXPECT_EQ(roundHalfEven(339 / 9.47), 36);
    EXPECT_EQ(roundHalfEven(339 / 7.2), 47);
    EXPECT_EQ(roundHalfEven(339 / 3.78), 90);
    EXPECT_EQ(roundHalfEven(-4.5), -4);
}
