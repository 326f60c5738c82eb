#include "domain/Errors.h"

#include <cerrno>

#include <gtest/gtest.h>

using namespace trimel;

TEST(Errors, IoMessagesByCode) {
    EXPECT_EQ(ioErrorMessage(2), "File not found");
    EXPECT_EQ(ioErrorMessage(3), "Invalid filename");
    EXPECT_EQ(ioErrorMessage(4), "Too many open files");
    EXPECT_EQ(ioErrorMessage(5), "File access denied");
    EXPECT_EQ(ioErrorMessage(100), "Read beyond end of file");
    EXPECT_EQ(ioErrorMessage(101), "Disk full");
    EXPECT_EQ(ioErrorMessage(106), "Invalid numeric input");
    EXPECT_EQ(ioErrorMessage(5000), "I/O error 5000");
    EXPECT_STREQ(IoError(2).what(), "File not found");
    EXPECT_EQ(IoError(5).code(), 5);
}

TEST(Errors, SystemErrorsMapToTheProgramsCodes) {
    EXPECT_EQ(ioCodeFromErrno(ENOENT), 2);
    EXPECT_EQ(ioCodeFromErrno(ENAMETOOLONG), 3);
    EXPECT_EQ(ioCodeFromErrno(ENOTDIR), 3);
    EXPECT_EQ(ioCodeFromErrno(EMFILE), 4);
    EXPECT_EQ(ioCodeFromErrno(ENFILE), 4);
    EXPECT_EQ(ioCodeFromErrno(EACCES), 5);
    EXPECT_EQ(ioCodeFromErrno(EISDIR), 5);
    EXPECT_EQ(ioCodeFromErrno(ENOSPC), 101);
    EXPECT_EQ(ioCodeFromErrno(EIO), EIO);
    // A system error without a code of its own is shown with its number,
    // even where that number is one of the program's codes.
    EXPECT_STREQ(ioErrorFromErrno(EIO).what(), ("I/O error " + std::to_string(EIO)).c_str());
    EXPECT_STREQ(ioErrorFromErrno(ENOENT).what(), "File not found");
    EXPECT_EQ(ioErrorFromErrno(EISDIR).code(), 5);
}

TEST(Errors, ReportAppendsAFullStopAfterLettersAndDigitsOnly) {
    EXPECT_EQ(errorReportText("File not found"), "File not found.");
    EXPECT_EQ(errorReportText("I/O error 17"), "I/O error 17.");
    EXPECT_EQ(errorReportText("'' is not a valid integer value"),
              "'' is not a valid integer value.");
    EXPECT_EQ(errorReportText("Не все поля заполнены верно!"), "Не все поля заполнены верно!");
    EXPECT_EQ(errorReportText("Выберите систему."), "Выберите систему.");
    EXPECT_EQ(errorReportText("Ошибка"), "Ошибка.");
    EXPECT_EQ(errorReportText("текст 'а'"), "текст 'а'");  // ' (39) is below '.' (46)
    EXPECT_EQ(errorReportText("a/"), "a/.");               // '/' (47) is above '.'
    EXPECT_EQ(errorReportText("a-"), "a-");
    EXPECT_EQ(errorReportText(""), "");
}
