#include "wheeltool/Commands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "../domain/TempDir.h"

using trimel::wheels::runWheelTool;

namespace {

struct Result {
    int code;
    std::string out, err;
};

Result tool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = runWheelTool(args, out, err);
    return {code, out.str(), err.str()};
}

std::string wheel(const std::string& header, const std::string& tickets) {
    return "заголовок\n" + header + tickets;
}

}  // namespace

TEST(CheckCommand, ReportsGoodAndBadWheels) {
    TempDir dir;
    const std::string good =
        dir.write("good.txt", wheel("7\n2\n4\n0\n", "010203040506\n020304050607\n"));
    Result r = tool({"check", good});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("good.txt: верна — система на 7 чисел: гарантия 4 при 6, 2 билета."),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("в 5 числах и более: 7 (100,00 %)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Билетов на число: от 1 до 2."), std::string::npos) << r.out;

    // One ticket cannot give 5 if 6 on 8 numbers: the 15 sixes with 7 and 8 miss it.
    const std::string weak = dir.write("weak.txt", wheel("8\n1\n5\n0\n", "010203040506\n"));
    r = tool({"check", weak, good});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("weak.txt: НЕВЕРНА"), std::string::npos) << r.out;
    EXPECT_NE(
        r.out.find(
            "15 из 28 сочетаний по 6 из 8 не совпадают ни с одним билетом в 5 числах, например:\n"
            "    1 2 3 4 7 8\n    1 2 3 5 7 8\n"),
        std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Проверено файлов: 2, верных: 1, неверных: 1."), std::string::npos)
        << r.out;
}

TEST(CheckCommand, FindsFaultsOfHeaderAndTickets) {
    TempDir dir;
    const std::string path =
        dir.write("bad.txt", wheel("7\n3\n3\n0\n", "010203040508\n010101020304\n"));
    Result r = tool({"check", path});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("Ошибка: в заголовке 3 билета, а строк с билетами 2."), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Ошибка: билет 1 (строка 6): позиция 8 вне 1..7."), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Ошибка: билет 2 (строка 7): позиция 1 повторяется."), std::string::npos)
        << r.out;

    const std::string huge = dir.write("huge.txt", wheel("65\n0\n3\n0\n", ""));
    r = tool({"check", huge});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("число номеров 65 вне 6..64"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Гарантия не проверялась."), std::string::npos) << r.out;
}

TEST(CheckCommand, ReadErrorsAreTheProgramsOwn) {
    TempDir dir;
    const std::string path = dir.write("text.txt", wheel("7\n1x\n3\n0\n", ""));
    Result r = tool({"check", path, dir.file("missing.txt")});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("text.txt: НЕ ЧИТАЕТСЯ — '1x' is not a valid integer value."),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("missing.txt: НЕ ЧИТАЕТСЯ — File not found."), std::string::npos) << r.out;
}

TEST(MakeCommand, WritesACheckedWheel) {
    TempDir dir;
    const std::string path = dir.file("w.txt");
    Result r = tool({"make", "--numbers", "10", "--guarantee", "4", "--seed", "5", "-o", path});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("лучший известный размер 3"), std::string::npos) << r.err;
    r = tool({"check", path});
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(r.out.find(path + ": верна — система на 10 чисел: гарантия 4 при 6, 3 билета."), 0u)
        << r.out;

    // A wheel on more numbers is a start for fewer: 4 if 6 on 9 from the
    // one on 10, on any number of cores.
    r = tool({"make", "--numbers", "9", "--guarantee", "4", "--from", path, "--jobs", "2",
              "--method", "anneal", "-o", dir.file("w9.txt")});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("Система на 9 чисел: гарантия 4 при 6, 3 билета — проверена"),
              std::string::npos)
        << r.err;

    // Without -o the wheel goes to standard output.
    r = tool({"make", "--numbers", "7", "--guarantee", "5"});
    EXPECT_EQ(r.out.rfind("Система на 7 чисел: гарантия 5 при 6, 1 билет\n7\n1\n5\n0\n", 0), 0u)
        << r.out;
    EXPECT_EQ(r.out.size(), 84u + 13u) << r.out;  // the header and one ticket line

    // --group keeps the orbit search to one group: under the shift of 11
    // numbers the smallest wheel has 11 tickets, where the shift of 12 has 6.
    r = tool({"make", "--numbers", "12", "--guarantee", "4", "--method", "orbits", "--jobs", "1",
              "--tickets", "11", "--group", "1x11"});
    EXPECT_EQ(r.out.rfind("Система на 12 чисел: гарантия 4 при 6, 11 билетов\n", 0), 0u) << r.out;
}

TEST(MakeCommand, RefusesBadArguments) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {},
             {"mix"},
             {"check"},
             {"make", "--numbers", "22"},
             {"make", "--numbers", "5", "--guarantee", "3"},
             {"make", "--numbers", "22", "--guarantee", "6"},
             {"make", "--numbers", "22x", "--guarantee", "3"},
             {"make", "--numbers", "22", "--guarantee", "3", "--tickets"},
             {"make", "--numbers", "22", "--guarantee", "4", "--split", "10"},
             {"make", "--numbers", "22", "--guarantee", "3", "--colour", "red"},
             {"make", "--numbers", "22", "--guarantee", "3", "--jobs", "0"},
             {"make", "--numbers", "22", "--guarantee", "3", "--method", "guess"},
             {"make", "--numbers", "22", "--guarantee", "3", "--group", "3x9*3"},
         }) {
        const Result r = tool(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err.rfind("trimel-wheels: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("Использование:"), std::string::npos);
    }
    EXPECT_NE(tool({"make", "--numbers", "22x", "--guarantee", "3"})
                  .err.find("--numbers: нужно целое число от 6 до 49, а не «22x»."),
              std::string::npos);
}

TEST(CheckCommand, NamesTheLineAReadFailsOn) {
    TempDir dir;
    const Result r = tool({"check", dir.write("w.txt", wheel("6\n1\n3\n0\n", "010203040506\n\n"))});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("w.txt: НЕ ЧИТАЕТСЯ — '' is not a valid integer value.\n"
                         "  строка 7, столбцы 1–2 (позиция 1): «»\n"
                         "  Пустая строка в конце файла: удалите её.\n"),
              std::string::npos)
        << r.out;
}

// The wheel is written over an existing file only with --force, and the
// help explains every option on a line of its own.
TEST(MakeCommand, WritesOverAFileOnlyWhenForced) {
    TempDir dir;
    const std::string path = dir.write("w.txt", "old");
    Result r = tool({"make", "--numbers", "7", "--guarantee", "5", "-o", path});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("уже есть; чтобы записать поверх него, добавьте --force."),
              std::string::npos)
        << r.err;
    EXPECT_EQ(tool({"check", path}).code, 1);
    r = tool({"make", "--numbers", "7", "--guarantee", "5", "-o", path, "--force", "--jobs", "1",
              "--method", "anneal"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(tool({"check", path}).code, 0);
    EXPECT_NE(tool({"make", "--numbers", "7", "--guarantee", "5", "--method", "fast"})
                  .err.find("--method: нужно threshold, weighted, anneal или orbits, а не «fast»."),
              std::string::npos);

    r = tool({"--help"});
    EXPECT_EQ(r.code, 0);
    for (const char* option : {"--numbers V ", "--guarantee T ", "--tickets B ", "--seconds S ",
                               "--seed S ", "--split A ", "--from ФАЙЛ ", "--jobs N ",
                               "--method ИМЯ ", "--group ЦxД[*М] ", "-o ФАЙЛ ", "--force "})
        EXPECT_NE(r.out.find("\n  " + std::string(option)), std::string::npos) << option;
    EXPECT_NE(r.out.find("Пример: trimel-wheels make"), std::string::npos);
}
