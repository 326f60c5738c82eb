#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "TempDir.h"
#include "historytool/Cli.h"

using namespace trimel::history;

namespace {

struct Outcome {
    int code;
    std::string out, err;
};

Outcome run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = runHistoryTool(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace

TEST(Cli, BadArgumentsGetAMessageAndTheUsage) {
    const std::pair<std::vector<std::string>, std::string_view> cases[] = {
        {{}, "не указана команда"},
        {{"convert", "a.csv"}, "неизвестная команда «convert»"},
        {{"import", "a.csv", "--n", "45"}, "не указано --k"},
        {{"import", "a.csv", "--k", "21", "--n", "45"},
         "--k: нужно целое число от 1 до 20, а не «21»"},
        {{"import", "a.csv", "--k=6", "--n=5"}, "--n меньше --k"},
        {{"import", "a.csv", "--k", "6", "--n", "45", "--numbers", "2-6"},
         "это 5 столбцов, а --k 6"},
        {{"import", "a.csv", "--k", "6", "--n", "45", "--reverse", "--keep-order"},
         "вместе не указываются"},
        {{"import", "a.csv", "--k", "6", "--n"}, "после --n нужно значение"},
        {{"import", "a.txt", "--k", "6", "--n", "45"}, "укажите, куда записать"},
        {{"check", "a.txt", "--fast"}, "неизвестный параметр «--fast»"},
    };
    for (const auto& [args, message] : cases) {
        const Outcome r = run(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("Использование: trimel-history import"), std::string::npos);
    }
}

// A file with a bad row writes nothing; once the row may be skipped the
// history is written and checks clean.
TEST(Cli, ImportWritesAHistoryOnlyWhenEveryRowIsGood) {
    TempDir dir;
    const std::string csv =
        dir.write("results.csv", "round,n1,n2,n3,bonus\n1,1,2,3,4\n2,4,5,5,6\n3,7,8,9,1\n");
    const std::string history = dir.file("results.txt");

    Outcome r = run({"import", csv, "--k", "3", "--n", "9"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("строка 3: число 5 повторяется — «2,4,5,5,6»"), std::string::npos)
        << r.err;
    EXPECT_FALSE(std::filesystem::exists(history));

    r = run({"import", csv, "--k", "3", "--n", "9", "--skip-bad"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Замечаний нет."), std::string::npos) << r.out;
    EXPECT_EQ(run({"check", history}).code, 0);

    r = run({"import", csv, "--k", "3", "--n", "9", "--skip-bad", "--no-tag", "-o", "-"});
    EXPECT_EQ(r.out, "03 09\n0001  010203\n0002  070809\n");
    EXPECT_EQ(run({"import", csv, "--k", "3", "--n", "9", "-o", csv}).code, 2);
}

// An existing history is written over only with --force; the help names
// every option on a line of its own.
TEST(Cli, WritesOverAFileOnlyWhenForced) {
    TempDir dir;
    const std::string csv = dir.write("results.csv", "round,n1,n2,n3\n1,1,2,3\n2,4,5,6\n");
    const std::string history = dir.write("results.txt", "old");

    Outcome r = run({"import", csv, "--k", "3", "--n", "9"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("файл «" + history +
                         "» уже есть; чтобы записать поверх него, добавьте --force."),
              std::string::npos)
        << r.err;
    EXPECT_EQ(run({"check", history}).code, 1);  // still "old"

    r = run({"import", csv, "--k", "3", "--n", "9", "--force"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(run({"check", history}).code, 0);

    const std::string help = run({"import", "--help"}).out;
    for (const char* option :
         {"--k K ", "--n N ", "-o ИСТОРИЯ ", "--force ", "--delimiter C ", "--numbers A-B ",
          "                   --numbers C:", "--tag C", "--no-tag ", "--reverse ", "--keep-order ",
          "--skip-bad ", "--from ГГГГ-ММ-ДД "})
        EXPECT_NE(help.find("\n  " + std::string(option)), std::string::npos) << option;
    EXPECT_NE(help.find("запятыми, точками с запятой\n        или табуляцией"), std::string::npos)
        << help;
}

// A results file given to check is not a history: the check says to import it.
TEST(Cli, CheckingAResultsFileSuggestsTheImport) {
    TempDir dir;
    const std::string csv = dir.write("results.csv", "round,n1,n2,n3\n1,1,2,3\n");
    const Outcome r = run({"check", csv});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(
        r.out.find("переведите его командой «trimel-history import " + csv + " --k K --n N»."),
        std::string::npos)
        << r.out;
}
