#include <gtest/gtest.h>

#include <vector>

#include "TestState.h"
#include "domain/Errors.h"
#include "engine/Engine.h"
#include "engine/WorkTables.h"

namespace trimel {
namespace {

using namespace testing;
using Row = std::vector<std::string>;

Row row(const TextGrid& g, int r) {
    Row out;
    for (int c = 0; c < g.colCount(); ++c) out.push_back(g.cell(c, r));
    return out;
}

// Two draws of 6 of 45 and two wheels of three numbers.
class EngineRun : public ::testing::Test {
  protected:
    void SetUp() override {
        s.K = 6;
        s.N = 45;
        s.wheel1 = addWheel(s, makeWheel(3, {ticket(1, 2, 3, 1, 2, 3), ticket(3, 3, 3, 3, 3, 3)}));
        s.wheel2 = addWheel(s, makeWheel(3, {ticket(2, 3, 1, 2, 3, 1)}));
        addDraw(s, {10, 38, 3, 29, 5, 7});
        addDraw(s, {34, 1, 38, 30, 21, 17});
    }
    AppState s;
    MainView main;
    ForecastView forecast;
    Engine engine{s, main, forecast};
};

// Worked out by hand from the generator's values for seed 7: Random(45)+1
// gives 10 38 12 | 32 3 29 (two 10s rejected) for draw 1, 34 1 38 | 30 21
// 17 for draw 2, and 32 30 4 | 10 42 33 (a 30 rejected) for the forecast.
TEST_F(EngineRun, HandWorkedRunOfTwoDraws) {
    const RunOutcome out = engine.run(7, "3", "3");
    EXPECT_EQ(out.stop, RunStop::Completed);
    EXPECT_EQ(engine.tables().random.calls(), 21u);

    ASSERT_EQ(main.draws.rowCount(), 3);
    EXPECT_EQ(row(main.draws, 1), (Row{"1", "2", "2", "10 38 ", "03 29 "}));
    EXPECT_EQ(row(main.draws, 2), (Row{"2", "3", "3", "34 01 38 ", "30 21 17 "}));
    ASSERT_EQ(main.hits.rowCount(), 4);
    EXPECT_EQ(row(main.hits, 1), (Row{"1", "1", "0", "0", "0", "0", "1", "1", "0", "0", "0", "0"}));
    EXPECT_EQ(row(main.hits, 2), (Row{"2", "0", "1", "0", "0", "0", "2", "0", "1", "0", "0", "0"}));
    EXPECT_EQ(row(main.hits, 3),
              (Row{"Всего:", "1", "1", "0", "0", "0", "", "1", "1", "0", "0", "0"}));
    const char* labels[] = {"Нулей: 0",    "Единиц: 0",  "Двоек: 1",   "Троек: 1",
                            "Четверок: 0", "Пятерок: 0", "Шестерок: 0"};
    for (int b = 0; b < 7; ++b) {
        EXPECT_EQ(main.labels[3 + b], labels[b]);
        EXPECT_EQ(main.labels[11 + b], labels[b]);
    }

    ASSERT_EQ(forecast.tickets1.rowCount(), 2);
    EXPECT_EQ(row(forecast.tickets1, 0), (Row{"1", "32", "30", "4", "32", "30", "4"}));
    EXPECT_EQ(row(forecast.tickets1, 1), (Row{"2", "4", "4", "4", "4", "4", "4"}));
    ASSERT_EQ(forecast.tickets2.rowCount(), 1);
    EXPECT_EQ(row(forecast.tickets2, 0), (Row{"1", "42", "33", "10", "42", "33", "10"}));
    EXPECT_EQ(row(forecast.strip1, 0), (Row{"32", "30", "4"}));
    EXPECT_EQ(row(forecast.strip2, 0), (Row{"10", "42", "33"}));
    EXPECT_EQ(forecast.caption, "Прогноз на тираж №3");
}

TEST_F(EngineRun, SecondRunGivesFreshTextsAndReadsRetainedLists) {
    engine.run(7, "3", "3");
    engine.run(7, "3", "3");
    EXPECT_EQ(row(main.draws, 2), (Row{"2", "3", "3", "34 01 38 ", "30 21 17 "}));
    // Positions 4 and 5 lie past parts of three and keep what the list held.
    s.wheels[1] = makeWheel(5, {ticket(1, 2, 3, 4, 5, 5)});
    engine.tables().lists[0][4] = 61;
    engine.tables().lists[0][5] = 62;
    engine.run(7, "3", "3");
    EXPECT_EQ(row(forecast.tickets1, 0), (Row{"1", "32", "30", "4", "61", "62", "62"}));
    EXPECT_EQ(row(forecast.strip1, 0), (Row{"32", "30", "4", "", ""}));
}

// A second size of 0 or less leaves the second part without numbers and
// tickets, although a wheel is chosen for it.
TEST_F(EngineRun, SecondPartOfSizeZeroHasNoTickets) {
    engine.run(7, "3", "3");
    EXPECT_EQ(engine.run(7, "3", "0").stop, RunStop::Completed);
    EXPECT_EQ(row(main.hits, 1), (Row{"1", "1", "0", "0", "0", "0", "1", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(row(main.hits, 3).back(), "0");
    ASSERT_EQ(forecast.tickets2.rowCount(), 1);
    EXPECT_EQ(row(forecast.tickets2, 0), (Row{"", "", "", "", "", "", ""}));
    EXPECT_EQ(row(forecast.strip2, 0), (Row{""}));
    EXPECT_EQ(engine.run(7, "3", "-2").stop, RunStop::Completed);
    EXPECT_EQ(main.hits.cell(7, 3), "0");
}

TEST_F(EngineRun, FailedChecksKeepThePreviousResults) {
    engine.run(7, "3", "3");
    const Row totals = row(main.hits, 3);
    main.draws.setCell(3, 1, "stale ");
    for (const char* bad : {"", " ", "3 ", "abc", "99999999999"}) {
        try {
            engine.run(1, "4", bad);
            ADD_FAILURE() << "no error for '" << bad << "'";
        } catch (const ConvertError& e) {
            EXPECT_STREQ(e.what(), "Не все поля заполнены верно!");
        }
        EXPECT_EQ(s.size1, 4);  // the first size is kept
    }
    EXPECT_EQ(main.draws.cell(3, 1), "");  // the set-up has run
    EXPECT_EQ(engine.tables().random.seed(), 1u);

    RunOutcome out = engine.run(5, "40", "6");
    EXPECT_EQ(out.stop, RunStop::SumTooLarge);
    EXPECT_EQ(out.message,
              "Сумма частей больше количества чисел в лотерее. Выберите другие системы.");
    EXPECT_EQ(s.size2, 6);
    out = engine.run(5, "46", "-1");
    EXPECT_EQ(out.stop, RunStop::NumbersShort);
    EXPECT_EQ(out.message, "Не хватает чисел для частей такого размера. Измените размеры частей.");
    // Ten favourites leave 35 numbers for the second part.
    setFavourites(s, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    s.wheels[1].numberCount = 10;
    EXPECT_EQ(engine.run(5, "3", "36").stop, RunStop::NumbersShort);
    EXPECT_EQ(row(main.hits, 3), totals);
    EXPECT_EQ(main.labels[5], "Двоек: 1");
    EXPECT_EQ(row(forecast.tickets1, 0), (Row{"1", "32", "30", "4", "32", "30", "4"}));
    EXPECT_EQ(engine.run(5, "3", "35").stop, RunStop::Completed);
    EXPECT_EQ(engine.run(5, "40", "5").stop, RunStop::Completed);
}

}  // namespace
}  // namespace trimel
