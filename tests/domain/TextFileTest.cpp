#include "domain/TextFile.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <vector>

#include "TempDir.h"
#include "Unreadable.h"
#include "domain/Errors.h"

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

TEST(TextFile, SkipsAUtf8ByteOrderMarkAtTheStartOnly) {
    TempDir dir;
    EXPECT_EQ(allLines(dir.write("a",
                                 "\xEF\xBB\xBF"
                                 "06 45\r\n")),
              (Lines{"06 45"}));
    EXPECT_EQ(allLines(dir.write("b", "\xEF\xBB\xBF")), Lines{});
    EXPECT_EQ(allLines(dir.write("c", "x\n\xEF\xBB\xBF\n")), (Lines{"x", "\xEF\xBB\xBF"}));
    EXPECT_EQ(allLines(dir.write("d",
                                 "\xEF\xBB"
                                 "06\n")),
              (Lines{"\xEF\xBB"
                     "06"}));
}

TEST(TextFile, StreamsLinesAcrossItsBufferAndKeepsAWindowOfEach) {
    TempDir dir;
    const std::size_t w = TextFile::kLineWindow;
    // With a buffer of 8 bytes, lines cross its end, one CR LF is split by it.
    const std::string bytes = "1234567\r\nshort\r\n" + std::string(w + 1, 'b') + "\r\n" +
                              std::string(w, 'c') + "\r\n" + std::string(9000, 'd') + "\nlast\r";
    TextFile f(dir.write("a", bytes), 8);
    std::vector<std::pair<std::string, bool>> got;
    while (!f.atEnd()) {
        const std::string line(f.readLine());
        got.emplace_back(line, f.lineCut());
    }
    const std::vector<std::pair<std::string, bool>> want{
        {"1234567", false},          {"short", false},
        {std::string(w, 'b'), true}, {std::string(w, 'c'), false},
        {std::string(w, 'd'), true}, {"last\r", false},  // no LF: the CR stays
    };
    EXPECT_EQ(got, want);
}

TEST(TextFile, AHugeFileIsReadInBoundedMemoryAndOnlySoFar) {
    // A sparse file of NULs after one line: read whole, it would grow the
    // process by as much, and a larger one would take as long as it is.
    TempDir dir;
    const std::string path = dir.write("huge", "06 45\n");
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(TextFile::kReadLimit + (1 << 20))), 0);
    rusage before{}, after{};
    ::getrusage(RUSAGE_SELF, &before);
    TextFile f(path);
    EXPECT_EQ(f.readLine(), "06 45");
    try {
        f.readLine();
        ADD_FAILURE() << "read past the limit";
    } catch (const LimitError& e) {
        EXPECT_STREQ(e.what(), "Файл слишком велик: программа читает не больше 64 МБ файла.");
    }
    ::getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 16 * 1024) << "kilobytes";

    // A file of just the limit is read to its end.
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(TextFile::kReadLimit)), 0);
    TextFile whole(path);
    whole.readLine();
    EXPECT_EQ(whole.readLine().size(), TextFile::kLineWindow);
    EXPECT_TRUE(whole.atEnd());
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
    // A pipe with no writer would block the open for ever; a device never ends.
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ioCodeOf(fifo), 5);
    EXPECT_EQ(ioCodeOf("/dev/zero"), 5);
    std::filesystem::create_symlink(dir.file("nowhere"), dir.file("dangling"));
    EXPECT_EQ(ioCodeOf(dir.file("dangling")), 2);
    const std::string locked = dir.write("locked", "x");
    const Unreadable lock(locked);
    if (!lock.holds()) GTEST_SKIP() << "this system lets every file be read";
    EXPECT_EQ(ioCodeOf(locked), 5);
}
