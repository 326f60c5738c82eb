#include <gtest/gtest.h>

#include <algorithm>

#include "domain/Errors.h"
#include "historytool/DateText.h"
#include "historytool/Importer.h"

using namespace trimel;
using namespace trimel::history;

namespace {

ImportOptions options(int k, int n) {
    ImportOptions o;
    o.layout.k = k;
    o.layout.n = n;
    return o;
}

bool mentions(const std::vector<std::string>& lines, std::string_view part) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

std::string lines(std::initializer_list<std::string_view> l) {
    std::string s;
    for (auto x : l) (s += x) += '\n';
    return s;
}

}  // namespace

// Each layout's own faults: the row is named with its line and text, and
// nothing is written unless the bad rows may be skipped.
TEST(ImportBadRows, AreReportedAndStopTheImport) {
    struct Case {
        std::string text;
        int k, n;
        std::string_view reason;
    };
    const Case cases[] = {
        {lines({"round,n1,n2,n3,n4,n5,n6,bonus", "1,10,23,29,33,37,40,16", "2,9,13,21,25,32,46,2",
                "3,11,16,19,21,27,31,30"}),
         6, 45, "строка 3: число 46 в столбце 7 вне 1..45 — «2,9,13,21,25,32,46,2»"},
        {lines({"Draw Date,Winning Numbers,Multiplier", "10/07/2015,18 30 40 48 52 09,2",
                "10/10/2015,12 27 29 43,3", "10/14/2015,15 20 29 31 40 01,2"}),
         5, 69, "строка 3: в столбце 2 меньше 5 чисел"},
        {lines({"DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,DrawNumber",
                "21-May-2022,51,59,54,20,48,28,22,2773", "18-May-2022,39,20,39,17,35,30,36,2772",
                "14-May-2022,28,55,33,53,47,9,52,2771"}),
         6, 59, "строка 3: число 39 повторяется"},
        {lines({"PRODUCT,DRAW NUMBER,SEQUENCE NUMBER,DRAW DATE,NUMBER DRAWN 1,NUMBER DRAWN "
                "2,NUMBER DRAWN 3,"
                "NUMBER DRAWN 4,NUMBER DRAWN 5,NUMBER DRAWN 6,BONUS NUMBER",
                "649,3760,0,2020-01-01,7,9,19,29,41,43,1", "649,3761,0,2020-01-04,1,2,3,12,23",
                "649,3762,0,2020-01-08,7,22,23,29,38,39,30"}),
         6, 49, "строка 3: нет столбца 10"},
        {lines({"2020;20;2020.05.16.;0;0 Ft;58;1 700 000 Ft;30;54;55;81;89",
                "2020;19;2020.05.09.;0;0 Ft;27;2 404 000 Ft;30;57;5x;61;86",
                "2020;18;2020.05.02.;0;0 Ft;79;1 597 000 Ft;8;47;50;87;89"}),
         5, 90, "строка 2: «5x» в столбце 10 — не целое число"},
        {lines({"Draw Date,Winning Numbers", "02/30/2020,01 02", "03/01/2020,03 04",
                "03/04/2020,05 06"}),
         2, 9, "строка 2: дата «02/30/2020» не читается"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ImportResult r = importHistory(c.text, options(c.k, c.n));
        EXPECT_EQ(r.history, "");
        ASSERT_EQ(r.badRows.size(), 1u);
        EXPECT_NE(r.badRows[0].find(c.reason), std::string::npos) << r.badRows[0];

        ImportOptions skipping = options(c.k, c.n);
        skipping.skipBad = true;
        r = importHistory(c.text, skipping);
        EXPECT_EQ(r.draws, 2);
    }
}

// Without a header a draw number that counts up and a bonus ball beside
// the numbers fit 1..N too; the numbers are the run between them.
TEST(ImportColumns, DrawNumberAndBonusBesideTheNumbersAreNotTaken) {
    const std::string text = lines({"1;3;7;12;20;22", "2;1;4;9;15;2", "3;5;6;8;21;9",
                                    "4;2;11;17;19;4", "5;10;13;14;18;1", "6;4;9;10;16;3"});
    const ImportResult r = importHistory(text, options(4, 22));
    EXPECT_EQ(r.history.substr(0, 21), "04 22\n0001  03071220\n");
    EXPECT_TRUE(mentions(r.report, "Числа: столбцы 2–5"));
    EXPECT_TRUE(mentions(r.report, "подходят и столбцы 3–6"));
    EXPECT_TRUE(mentions(r.report, "Порядок: по номеру тиража, столбец 1"));

    ImportOptions given = options(4, 22);
    given.layout.numbers = NumberColumns{3, 6};
    given.layout.tag = TagColumn{};
    EXPECT_EQ(importHistory(text, given).history.substr(0, 20), "04 22\n0001  07122022");
}

// Names in the header outweigh values that fit just as well.
TEST(ImportColumns, TheHeaderNamesTheNumbers) {
    const ImportResult r = importHistory("Set,Ball 1,Ball 2\n3,5,6\n1,7,8\n2,1,9\n", options(2, 9));
    EXPECT_EQ(r.history, "02 09\n0001  0506\n0002  0708\n0003  0109\n");
}

TEST(ImportColumns, NoRunOfNumbersIsAClearError) {
    try {
        importHistory("a,b\n1,2\n", options(6, 45));
        FAIL();
    } catch (const AppError& e) {
        EXPECT_NE(std::string(e.what()).find("--numbers A-B"), std::string::npos);
    }
}

// Tab-separated, quoted cells holding the delimiter, CR LF, a BOM and a
// title above the header.
TEST(ImportText, DelimitersQuotesAndLineEnds) {
    const std::string text =
        "\xEF\xBB\xBF"
        "Results, all draws\r\ndraw\tnote\tn1\tn2\r\n1\t\"a\tb\"\t5\t6\r\n2\t\"say "
        "\"\"hi\"\"\"\t7\t8\r\n";
    const ImportResult r = importHistory(text, options(2, 9));
    EXPECT_EQ(r.history, "02 09\n0001  0506\n0002  0708\n");
    EXPECT_TRUE(mentions(r.report, "табуляция; заголовок — строка 2 (строк над ним пропущено: 1)"));
}

TEST(ImportOrder, RepeatsAreDroppedAndTheLastDrawsKept) {
    std::string text = "Draw Date,Winning Numbers\n";
    for (int day = 0; day < kMaxImportedDraws + 6; ++day) {
        const int y = 2000 + day / 336, m = day / 28 % 12 + 1, d = day % 28 + 1;
        const std::string row = std::to_string(m) + "/" + std::to_string(d) + "/" +
                                std::to_string(y) + "," + std::to_string(day % 30 + 1) + " " +
                                std::to_string(day % 30 + 31) + "\n";
        text += row;
        if (day == 10) text += row;
    }
    const ImportResult r = importHistory(text, options(2, 60));
    EXPECT_EQ(r.draws, kMaxImportedDraws);
    EXPECT_TRUE(mentions(r.report, "строка 13 повторяет строку 12"));
    EXPECT_TRUE(mentions(r.report, "оставлены последние 9999"));
    EXPECT_EQ(r.history.substr(0, 17), "02 60\n0001  0737\n");  // the seventh day
}

// Rows that lack a date keep their place when the dated ones run one way,
// and make the order unknowable when they do not.
TEST(ImportOrder, MissingDatesNeedARowOrder) {
    const std::string newestFirst = lines(
        {"2020;2;2020.01.11.;5;6", "2020;1;2020.01.04.;3;4", "1957;11;;1;7", "1957;10;.;1;2"});
    EXPECT_EQ(importHistory(newestFirst, options(2, 9)).history,
              "02 09\n0001  0102\n0002  0107\n0003  0304\n0004  0506\n");

    const std::string mixed = lines({"2020;2;2020.01.11.;5;6", "2020;1;2020.01.04.;3;4",
                                     "1957;11;;1;7", "2020;3;2020.01.18.;8;9", "1957;10;;1;2"});
    EXPECT_THROW(importHistory(mixed, options(2, 9)), AppError);
    ImportOptions reversed = options(2, 9);
    reversed.order = ImportOptions::Order::Reverse;
    EXPECT_EQ(importHistory(mixed, reversed).history.substr(0, 16), "02 09\n0001  0102");
}

TEST(ImportOrder, DrawsOfOneDayKeepTheFileOrder) {
    const std::string text =
        lines({"Date,A,B", "2021-03-02,1,2", "2021-03-01,3,4", "2021-03-02,5,6"});
    const ImportResult r = importHistory(text, options(2, 9));
    EXPECT_EQ(r.history, "02 09\n0001  0304\n0002  0102\n0003  0506\n");
    EXPECT_TRUE(mentions(r.report, "строки 2 и 4 — разные тиражи"));

    ImportOptions from = options(2, 9);
    from.from = 20210302;
    EXPECT_EQ(importHistory(text, from).history, "02 09\n0001  0102\n0002  0506\n");
}

TEST(DateText, ReadsTheLayoutsDates) {
    const auto key = [](std::string_view text, bool dayFirst = false) {
        const auto d = splitDate(text);
        return d ? dateKey(*d, dayFirst).value_or(-1) : 0;
    };
    EXPECT_EQ(key("06/10/2017"), 20170610);
    EXPECT_EQ(key("06/10/2017", true), 20171006);
    EXPECT_EQ(key("2017-06-10T00:00:00.000"), 20170610);
    EXPECT_EQ(key("10-Jun-2017"), 20170610);
    EXPECT_EQ(key("2020.05.16."), 20200516);
    EXPECT_EQ(key("29-Feb-2021"), -1);
    EXPECT_EQ(key("10/06/17"), 0);
    EXPECT_EQ(key("1 234 Ft"), 0);
    EXPECT_EQ(dayFirstFor({*splitDate("01/02/2020"), *splitDate("13/02/2020")}), true);
    EXPECT_EQ(dayFirstFor({*splitDate("01/13/2020"), *splitDate("13/02/2020")}), std::nullopt);
    EXPECT_EQ(dayFirstFor({*splitDate("01.02.2020")}), true);
}
