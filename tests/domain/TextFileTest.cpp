#include "domain/TextFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <vector>

#include "domain/Errors.h"
#include "TempDir.h"

using namespace trimel;

namespace {

std::vector<std::string> allLines(const std::string& path) {
    TextFile f(path);
    std::vector<std::string> lines;
    while (!f.atEnd()) lines.emplace_back(f.readLine());
    return lines;
}

int ioCodeOf(const std::string& path) {
    try {
        TextFile f(path);
    } catch (const IoError& e) {
        return e.code();
    }
    return 0;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(TextFile, SplitsAtLfAndCrLf) {
    TempDir dir;
    EXPECT_EQ(allLines(dir.write("a", "one\ntwo\r\nthree\n")), (Lines{"one", "two", "three"}));
    EXPECT_EQ(allLines(dir.write("b", "one\ntwo")), (Lines{"one", "two"}));
    // A lone CR does not end a line.
    EXPECT_EQ(allLines(dir.write("c", "a\rb\n")), (Lines{"a\rb"}));
    EXPECT_EQ(allLines(dir.write("d", "")), Lines{});
}

TEST(TextFile, BlankLastLineIsOneMoreEmptyLine) {
    TempDir dir;
    EXPECT_EQ(allLines(dir.write("a", "one\n\n")), (Lines{"one", ""}));
    EXPECT_EQ(allLines(dir.write("b", "one\r\n\r\n")), (Lines{"one", ""}));
    EXPECT_EQ(allLines(dir.write("c", "\n")), (Lines{""}));
}

TEST(TextFile, CtrlZEndsTheFile) {
    TempDir dir;
    EXPECT_EQ(allLines(dir.write("a", "one\ntwo\x1Athree\nfour\n")), (Lines{"one", "two"}));
    EXPECT_EQ(allLines(dir.write("b", "one\n\x1A\n")), (Lines{"one"}));
}

TEST(TextFile, ReadingPastTheEndGivesEmptyLines) {
    TempDir dir;
    TextFile f(dir.write("a", "x"));
    EXPECT_EQ(f.readLine(), "x");
    EXPECT_TRUE(f.atEnd());
    EXPECT_EQ(f.readLine(), "");
    EXPECT_EQ(f.readLine(), "");
}

TEST(TextFile, OpenFailuresRaiseTheProgramsIoErrors) {
    TempDir dir;
    EXPECT_EQ(ioCodeOf(dir.file("missing.txt")), 2);
    EXPECT_EQ(ioCodeOf(dir.path()), 5);  // a folder opened as a file
    EXPECT_EQ(ioCodeOf(dir.write("plain", "x") + "/below"), 3);
    EXPECT_EQ(ioCodeOf(dir.file(std::string(300, 'n'))), 3);
    if (::geteuid() != 0) {  // root reads everything
        const std::string locked = dir.write("locked", "x");
        ::chmod(locked.c_str(), 0);
        EXPECT_EQ(ioCodeOf(locked), 5);
    }
}
