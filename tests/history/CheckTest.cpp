#include <gtest/gtest.h>

#include "TempDir.h"
#include "historytool/HistoryCheck.h"

using namespace trimel::history;

namespace {

std::string report(const CheckResult& r) {
    std::string s;
    for (const std::string& l : r.report) s += l + "\n";
    return s;
}

}  // namespace

// The field the program refuses, found by its line and columns, with the
// program's own message.
TEST(CheckRefusal, NamesTheLineAndColumnsOfTheField) {
    struct Case {
        std::string_view bytes, where;
    };
    const Case cases[] = {
        {"06 45\n0001  010203040506\n0002  017 03040506\n",
         "строка 3, столбцы 9–10 (число 2): '7 ' is not a valid integer value."},
        {"06 45\n0001  010203040506\n\n",
         "строка 3, столбцы 1–4 (номер тиража): '' is not a valid integer value."},
        {"06 4x\n", "строка 1, столбцы 4–5 (N): '4x' is not a valid integer value."},
        {"21 80\n", "строка 1, столбцы 1–2 (K): В тираже не может быть больше 20 чисел."},
        {"06 45\r\n0001  0102030405\r\n",
         "строка 2, столбцы 17–18 (число 6): '' is not a valid integer value."},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const CheckResult r = checkHistory(dir.write("h.txt", c.bytes));
        EXPECT_FALSE(r.loads);
        EXPECT_NE(report(r).find(c.where), std::string::npos) << report(r);
    }
}

TEST(CheckRefusal, ExplainsTheCommonSlips) {
    TempDir dir;
    EXPECT_NE(
        report(checkHistory(dir.write("a.txt", "06 45\n0001  01 7 030405\n0002  017 03040506\n")))
            .find("с ведущим нулём или пробелом"),
        std::string::npos);
    EXPECT_NE(report(checkHistory(dir.write("b.txt", "06 45\n0001  010203040506\n\n")))
                  .find("в конце файла"),
              std::string::npos);
    // Whichever way the reader treats a byte-order mark, the user hears of it.
    const std::string bom = report(checkHistory(dir.write("c.txt",
                                                          "\xEF\xBB\xBF"
                                                          "06 45\n0001  010203040506\n")));
    EXPECT_NE(bom.find("(BOM)"), std::string::npos) << bom;
    EXPECT_NE(report(checkHistory(dir.file("none.txt"))).find("File not found."),
              std::string::npos);
}

TEST(CheckWarnings, WhatLoadsButIsLikelyWrong) {
    TempDir dir;
    const CheckResult r = checkHistory(dir.write("h.txt",
                                                 "05 45\n"
                                                 "0002  0102030405 07\n"
                                                 "0001  0102034605\n"
                                                 "0003  0101030405\n"
                                                 "0004  010203040506\n"));
    const std::string s = report(r);
    EXPECT_TRUE(r.loads);
    EXPECT_NE(s.find("K = 5 (чисел в тираже), N = 45 (числа от 1 до N), тиражей D = 4."),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("предложит: 22 и 23."), std::string::npos);
    EXPECT_NE(s.find("числа вне 1..45: строка 3."), std::string::npos) << s;
    EXPECT_NE(s.find("повторённые в тираже: строка 4."), std::string::npos);
    EXPECT_NE(s.find("не больше предыдущего (первым должен идти самый старый тираж): строка 3."),
              std::string::npos);
    EXPECT_NE(s.find("не читает (числа сдвинуты или K в заголовке не тот?): строка 5."),
              std::string::npos);

    EXPECT_EQ(report(checkHistory(dir.write("ok.txt", "06 45\n0001  010203040506 07\n")))
                  .find("Предупреждения"),
              std::string::npos);
}

// A failing line is quoted as the program quotes files: a control
// character (here an escape sequence and a NUL) cannot reach the terminal.
TEST(CheckRefusal, QuotesTheLineWithoutControlCharacters) {
    TempDir dir;
    const std::string s =
        report(checkHistory(dir.write("h.txt", std::string("06 45\n0001  0102\x1b[2J\0", 21))));
    EXPECT_NE(s.find("строка: «0001  0102�[2J�»"), std::string::npos) << s;
    EXPECT_EQ(s.find_first_of(std::string("\x1b\0", 2)), std::string::npos);
}
