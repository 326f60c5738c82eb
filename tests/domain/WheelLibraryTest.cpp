#include "domain/WheelLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "domain/Errors.h"

using namespace trimel;

namespace {

std::string wheelText(int numbers, int tickets, int guarantee, const std::string& lines) {
    return "title line\n" + std::to_string(numbers) + "\n" + std::to_string(tickets) + "\n" +
           std::to_string(guarantee) + "\n0\n" + lines;
}

struct Loaded {
    AppState state;
    std::vector<std::string> notices;
    std::string error;
};

Loaded load(const std::string& folder) {
    Loaded r;
    try {
        loadWheelLibrary(r.state, folder, [&](const std::string& m) { r.notices.push_back(m); });
    } catch (const AppError& e) {
        r.error = e.what();
    }
    return r;
}

}  // namespace

TEST(WheelLibrary, MatchesTheWheelFileNamePattern) {
    for (const char* yes : {"ASys001.txt", "asys12.dat", "ASys7", "ASYS", "aSyS123", "ASys1.",
                            "ASys001.tar.gz", "ASysжж.txt"})
        EXPECT_TRUE(isWheelFileName(yes)) << yes;
    for (const char* no : {"ASys1234.txt", "Sys001.txt", "BSys001", "ASy", "xASys001.txt",
                           "ASys0001", ".ASys001", "ASysжжжж"})
        EXPECT_FALSE(isWheelFileName(no)) << no;
}

TEST(WheelLibrary, MissingOrEmptyFolderLoadsNothingSilently) {
    TempDir dir;
    auto r = load(dir.file("wheels"));
    EXPECT_EQ(r.state.wheelCount, 0);
    EXPECT_EQ(r.error, "");
    dir.write("wheels/readme.txt", "not a wheel");
    r = load(dir.file("wheels"));
    EXPECT_EQ(r.state.wheelCount, 0);
    EXPECT_EQ(r.error, "");
    EXPECT_TRUE(r.notices.empty());
}

TEST(WheelLibrary, LoadsHeadersAndTicketsInNameOrderIgnoringCase) {
    TempDir dir;
    dir.write("w/asys002.txt", wheelText(7, 1, 5, "010203040506\n"));
    dir.write("w/ASys001.txt", wheelText(12, 22, 3, "010203040506\n 7 8 91011 2extra\n"));
    dir.write("w/ASys001.bak", wheelText(9, 3, 4, "0102030405 9\n"));
    dir.write("w/other.txt", "ignored");
    const auto r = load(dir.file("w"));
    ASSERT_EQ(r.error, "");
    ASSERT_EQ(r.state.wheelCount, 3);
    const Wheel& bak = r.state.wheels[1];  // "asys001.bak" < "asys001.txt" < "asys002.txt"
    const Wheel& first = r.state.wheels[2];
    const Wheel& last = r.state.wheels[3];
    EXPECT_EQ(bak.numberCount, 9);
    EXPECT_EQ(bak.position(1, 5), 5);
    EXPECT_EQ(bak.position(1, 6), 9);
    EXPECT_EQ(first.numberCount, 12);
    EXPECT_EQ(first.ticketCount, 22);
    EXPECT_EQ(first.guarantee, 3);
    EXPECT_EQ(first.spare, 0);
    EXPECT_EQ(first.position(2, 1), 7);
    EXPECT_EQ(first.position(2, 3), 9);
    EXPECT_EQ(first.position(2, 6), 2);  // characters after column 12 are ignored
    // Fewer ticket lines than the ticket count: the rest read as 0.
    EXPECT_EQ(first.storedTickets(), 2);
    EXPECT_EQ(first.position(3, 1), 0);
    EXPECT_EQ(first.position(22, 6), 0);
    EXPECT_EQ(last.numberCount, 7);
    EXPECT_EQ(last.guarantee, 5);
}

// Every value a two-column field converts to is kept as it was, in the
// lines read sixteen bytes at a time and in the others.
TEST(WheelLibrary, KeepsEveryPositionAFieldCanHold) {
    TempDir dir;
    dir.write("w/ASys001.txt", wheelText(99, 3, 3, "990001020304\n-9$F 0x9 1-1\r\n009998979695"));
    const auto r = load(dir.file("w"));
    ASSERT_EQ(r.error, "");
    const Wheel& w = r.state.wheels[1];
    const std::vector<int> expected[] = {
        {99, 0, 1, 2, 3, 4}, {-9, 15, 0, 9, 1, -1}, {0, 99, 98, 97, 96, 95}};
    ASSERT_EQ(w.storedTickets(), 3);
    for (int t = 1; t <= 3; ++t)
        for (int p = 1; p <= 6; ++p)
            EXPECT_EQ(w.position(t, p), expected[t - 1][static_cast<std::size_t>(p - 1)])
                << t << " " << p;
    EXPECT_EQ(w.tickets[0], (Ticket{0, 99, 0, 1, 2, 3, 4}));
}

TEST(WheelLibrary, ListsHiddenAndAnyExtensionButNoOtherNames) {
    TempDir dir;
    dir.write("w/ASys1", wheelText(6, 1, 6, "010203040506\n"));
    dir.write("w/ASys1234", "ignored");
    EXPECT_EQ(wheelFileNames(dir.file("w")), std::vector<std::string>{"ASys1"});
    const auto r = load(dir.file("w"));
    EXPECT_EQ(r.state.wheelCount, 1);
    EXPECT_EQ(r.state.wheels[1].guarantee, 6);  // loaded and counted though listed nowhere
}

TEST(WheelLibrary, FirstErrorEndsTheWholeLoad) {
    TempDir dir;
    dir.write("w/ASys1.txt", wheelText(6, 1, 3, "010203040506\n"));
    dir.write("w/ASys2.txt", "title\n8\n2\n4\n0\n010203040506\n0102q3040506\n");
    dir.write("w/ASys3.txt", wheelText(6, 1, 3, "010203040506\n"));
    const auto r = load(dir.file("w"));
    EXPECT_EQ(r.error, "'q3' is not a valid integer value");
    ASSERT_EQ(r.state.wheelCount, 2);
    const Wheel& bad = r.state.wheels[2];
    EXPECT_EQ(bad.numberCount, 8);
    EXPECT_EQ(bad.guarantee, 4);
    EXPECT_EQ(bad.position(1, 6), 6);
    EXPECT_EQ(bad.position(2, 2), 2);  // stored before the failing field
    EXPECT_EQ(bad.position(2, 3), 0);
    EXPECT_EQ(r.state.wheels[3].numberCount, 0) << "later files are not loaded";
}

TEST(WheelLibrary, WheelIsCountedBeforeItsNumberCountConverts) {
    TempDir dir;
    dir.write("w/ASys1.txt", "");
    auto r = load(dir.file("w"));
    EXPECT_EQ(r.error, "'' is not a valid integer value");
    EXPECT_EQ(r.state.wheelCount, 1);

    TempDir dir2;
    dir2.write("w/ASys1.txt", "title\n12 \n");
    r = load(dir2.file("w"));
    EXPECT_EQ(r.error, "'12 ' is not a valid integer value");
    EXPECT_EQ(r.state.wheelCount, 1);
}

TEST(WheelLibrary, TicketLineEndingBeforeAFieldFails) {
    TempDir dir;
    dir.write("w/ASys1.txt", wheelText(6, 1, 3, "0102030405\n"));
    const auto r = load(dir.file("w"));
    EXPECT_EQ(r.error, "'' is not a valid integer value");
    EXPECT_EQ(r.state.wheels[1].position(1, 5), 5);
}

TEST(WheelLibrary, BlankLineAfterTheLastTicketFails) {
    TempDir dir;
    dir.write("w/ASys1.txt", wheelText(6, 1, 3, "010203040506\n\n"));
    const auto r = load(dir.file("w"));
    EXPECT_EQ(r.error, "'' is not a valid integer value");
    EXPECT_EQ(r.state.wheels[1].position(1, 6), 6);
}

TEST(WheelLibrary, MatchingFolderFailsAsAccessDenied) {
    TempDir dir;
    dir.write("w/ASys1.txt", wheelText(6, 1, 3, "010203040506\n"));
    std::filesystem::create_directories(dir.file("w/ASys2"));
    dir.write("w/ASys3.txt", wheelText(6, 1, 3, "010203040506\n"));
    const auto r = load(dir.file("w"));
    EXPECT_EQ(r.error, "File access denied");
    EXPECT_EQ(r.state.wheelCount, 1) << "a wheel is counted only once its file is open";
}

TEST(WheelLibrary, KeepsOneHundredWheelsAndSaysSoOnce) {
    TempDir dir;
    for (int i = 0; i < kMaxWheels + 3; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "w/ASys%03d.txt", i);
        dir.write(name, wheelText(6, 1, 3, "010203040506\n"));
    }
    dir.write("w/ASys999.txt", "beyond the library: never opened\n");
    const auto r = load(dir.file("w"));
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.state.wheelCount, kMaxWheels);
    EXPECT_EQ(r.notices,
              std::vector<std::string>{"Загружено 100 систем, остальные файлы систем пропущены."});

    TempDir exact;
    for (int i = 0; i < kMaxWheels; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "w/ASys%03d", i);
        exact.write(name, wheelText(6, 1, 3, "010203040506\n"));
    }
    EXPECT_TRUE(load(exact.file("w")).notices.empty());
}

TEST(WheelLibrary, CutsAWheelAtTenThousandTicketsAndGoesOn) {
    TempDir dir;
    std::string lines;
    for (int t = 0; t < kMaxTickets; ++t) lines += "010203040506\n";
    lines += "not a ticket line\n";
    dir.write("w/ASys1.txt", wheelText(6, 10001, 3, lines));
    dir.write("w/ASys2.txt", wheelText(7, 1, 5, "010203040507\n"));
    const auto r = load(dir.file("w"));
    EXPECT_EQ(r.error, "");
    ASSERT_EQ(r.state.wheelCount, 2);
    EXPECT_EQ(r.state.wheels[1].storedTickets(), kMaxTickets);
    EXPECT_EQ(r.state.wheels[1].ticketCount, 10001);
    EXPECT_EQ(r.state.wheels[2].position(1, 6), 7);
    EXPECT_EQ(r.notices, std::vector<std::string>{
                             "В системе ASys1.txt больше 10000 билетов: лишние строки пропущены."});
}

TEST(WheelLibrary, CtrlZEndsAWheelFile) {
    TempDir dir;
    dir.write("w/ASys1.txt", wheelText(6, 2, 3,
                                       "010203040506\n\x1A"
                                       "garbage\n"));
    const auto r = load(dir.file("w"));
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.state.wheels[1].storedTickets(), 1);
}

// Where a wheel file failed travels with the error: a header line whole,
// a ticket position by its columns.
TEST(WheelLibrary, TheErrorSaysWhereTheFileFailed) {
    struct Case {
        std::string text;
        FilePlace where;
    };
    const Case cases[] = {
        {"t\n7\n1x\n3\n0\n", {3, 1, 2, "число билетов", "1x", false}},
        {wheelText(6, 1, 3, "010203040506\n\n"), {7, 1, 2, "позиция 1", "", true}},
        {wheelText(6, 2, 3, "010203040506\n01020 040506\n010203040506\n"),
         {7, 5, 6, "позиция 3", "01020 040506", false}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        Wheel w;
        try {
            loadWheelFile(w, dir.write("ASys1.txt", c.text), "ASys1.txt", nullptr);
            ADD_FAILURE() << c.text;
        } catch (const AppError& e) {
            ASSERT_TRUE(e.place()) << c.text;
            const FilePlace& p = *e.place();
            EXPECT_TRUE(p == c.where) << c.text << "\n  got line " << p.line << ", columns "
                                      << p.firstColumn << "-" << p.lastColumn << ", " << p.field
                                      << ", «" << p.lineText << "», last " << p.lastLine;
        }
    }
}
