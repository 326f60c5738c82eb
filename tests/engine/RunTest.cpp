#include <gtest/gtest.h>

#include <vector>

#include "TestState.h"
#include "domain/Errors.h"
#include "engine/Engine.h"
#include "engine/WorkTables.h"

namespace trimel {
namespace {

using testing::addDraw;
using testing::addWheel;
using testing::makeWheel;
using testing::setFavourites;
using testing::ticket;

std::vector<std::string> row(const TextGrid& g, int r) {
    std::vector<std::string> out;
    for (int c = 0; c < g.colCount(); ++c) out.push_back(g.cell(c, r));
    return out;
}

using Row = std::vector<std::string>;

class EngineRun : public ::testing::Test {
protected:
    AppState s;
    MainView main;
    ForecastView forecast;
    Engine engine{s, main, forecast};

    // Two draws of 6 of 45 and two wheels of three numbers.
    void handExample() {
        s.K = 6;
        s.N = 45;
        s.wheel1 = addWheel(s, makeWheel(3, {ticket(1, 2, 3, 1, 2, 3), ticket(3, 3, 3, 3, 3, 3)}));
        s.wheel2 = addWheel(s, makeWheel(3, {ticket(2, 3, 1, 2, 3, 1)}));
        addDraw(s, {10, 38, 3, 29, 5, 7});
        addDraw(s, {34, 1, 38, 30, 21, 17});
    }
};

// Worked out by hand from the generator's values for seed 7: Random(45)+1
// gives 10 38 12 | 32 3 29 (two 10s rejected) for draw 1, 34 1 38 | 30 21
// 17 for draw 2, and 32 30 4 | 10 42 33 (a 30 rejected) for the forecast.
TEST_F(EngineRun, HandWorkedRunOfTwoDraws) {
    handExample();
    const RunOutcome out = engine.run(7, "3", "3");
    EXPECT_EQ(out.stop, RunStop::Completed);
    EXPECT_EQ(out.message, "");
    EXPECT_EQ(engine.tables().random.calls(), 21u);

    ASSERT_EQ(main.draws.rowCount(), 3);
    EXPECT_EQ(row(main.draws, 1), (Row{"1", "2", "2", "10 38 ", "03 29 "}));
    EXPECT_EQ(row(main.draws, 2), (Row{"2", "3", "3", "34 01 38 ", "30 21 17 "}));

    ASSERT_EQ(main.hits.rowCount(), 4);
    EXPECT_EQ(row(main.hits, 1), (Row{"1", "1", "0", "0", "0", "0", "1", "1", "0", "0", "0", "0"}));
    EXPECT_EQ(row(main.hits, 2), (Row{"2", "0", "1", "0", "0", "0", "2", "0", "1", "0", "0", "0"}));
    EXPECT_EQ(row(main.hits, 3), (Row{"Всего:", "1", "1", "0", "0", "0", "", "1", "1", "0", "0", "0"}));

    const char* firstLabels[] = {"Нулей: 0", "Единиц: 0", "Двоек: 1", "Троек: 1",
                                 "Четверок: 0", "Пятерок: 0", "Шестерок: 0"};
    for (int b = 0; b < 7; ++b) {
        EXPECT_EQ(main.labels[3 + b], firstLabels[b]);
        EXPECT_EQ(main.labels[11 + b], firstLabels[b]);
    }

    ASSERT_EQ(forecast.tickets1.rowCount(), 2);
    EXPECT_EQ(row(forecast.tickets1, 0), (Row{"1", "32", "30", "4", "32", "30", "4"}));
    EXPECT_EQ(row(forecast.tickets1, 1), (Row{"2", "4", "4", "4", "4", "4", "4"}));
    ASSERT_EQ(forecast.tickets2.rowCount(), 1);
    EXPECT_EQ(row(forecast.tickets2, 0), (Row{"1", "42", "33", "10", "42", "33", "10"}));
    EXPECT_EQ(row(forecast.strip1, 0), (Row{"32", "30", "4"}));
    EXPECT_EQ(row(forecast.strip2, 0), (Row{"10", "42", "33"}));
    EXPECT_EQ(forecast.caption, "Прогноз на тираж №3");
    EXPECT_EQ(s.size1, 3);
    EXPECT_EQ(s.size2, 3);
}

TEST_F(EngineRun, SecondRunGivesFreshTextsAndReadsRetainedLists) {
    handExample();
    engine.run(7, "3", "3");
    const Row draws1 = row(main.draws, 1);
    engine.run(7, "3", "3");
    EXPECT_EQ(row(main.draws, 1), draws1);
    EXPECT_EQ(row(main.draws, 2), (Row{"2", "3", "3", "34 01 38 ", "30 21 17 "}));

    // A wheel of five numbers over parts of three: positions 4 and 5 lie
    // past what a run writes and keep what the list held before it.
    s.wheels[1] = makeWheel(5, {ticket(1, 2, 3, 4, 5, 5)});
    WorkTables& w = engine.tables();
    w.lists[0][4] = 61;
    w.lists[0][5] = 62;
    engine.run(7, "3", "3");
    EXPECT_EQ(row(forecast.tickets1, 0), (Row{"1", "32", "30", "4", "61", "62", "62"}));
    EXPECT_EQ(row(forecast.strip1, 0), (Row{"32", "30", "4", "", ""}));
}

TEST_F(EngineRun, BadPartSizeTextStopsAfterTheSetUp) {
    handExample();
    engine.run(7, "3", "3");
    const Row labels3{main.labels[3]};
    s.D = 1;
    main.draws.setCell(3, 1, "stale ");
    for (const char* bad : {"", " ", "3 ", "abc", "99999999999"}) {
        s.size1 = 0;
        try {
            engine.run(1, "4", bad);
            FAIL() << "no error for '" << bad << "'";
        } catch (const ConvertError& e) {
            EXPECT_STREQ(e.what(), "Не все поля заполнены верно!");
        }
        EXPECT_EQ(s.size1, 4);
    }
    EXPECT_THROW(engine.run(1, "", "3"), ConvertError);
    EXPECT_EQ(main.draws.rowCount(), 2);
    EXPECT_EQ(main.hits.rowCount(), 3);
    EXPECT_EQ(main.draws.cell(3, 1), "");
    EXPECT_EQ(main.draws.cell(0, 0), "Тираж");
    // The previous run's results stay.
    EXPECT_EQ(main.labels[3], labels3[0]);
    EXPECT_EQ(forecast.caption, "Прогноз на тираж №3");
    EXPECT_EQ(engine.tables().random.seed(), 1u);
}

TEST_F(EngineRun, SumAndShortageChecksStopBeforeThePass) {
    handExample();
    engine.run(7, "3", "3");
    const Row totals = row(main.hits, 3);

    RunOutcome out = engine.run(5, "40", "6");
    EXPECT_EQ(out.stop, RunStop::SumTooLarge);
    EXPECT_EQ(out.message, "Сумма частей больше количества чисел в лотерее. Выберите другие системы.");
    EXPECT_EQ(s.size1, 40);
    EXPECT_EQ(s.size2, 6);
    EXPECT_EQ(engine.run(5, "40", "5").stop, RunStop::Completed);
    engine.run(7, "3", "3");

    // A part above N beside a negative one passes the sum check.
    out = engine.run(5, "46", "-1");
    EXPECT_EQ(out.stop, RunStop::NumbersShort);
    EXPECT_EQ(out.message, "Не хватает чисел для частей такого размера. Измените размеры частей.");
    // Ten favourites leave 35 numbers for the second part.
    setFavourites(s, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    s.wheels[1].numberCount = 10;
    EXPECT_EQ(engine.run(5, "3", "36").stop, RunStop::NumbersShort);
    EXPECT_EQ(s.size2, 36);
    EXPECT_EQ(row(main.hits, 3), totals);
    EXPECT_EQ(main.labels[5], "Двоек: 1");
    EXPECT_EQ(forecast.caption, "Прогноз на тираж №3");
    EXPECT_EQ(row(forecast.tickets1, 0), (Row{"1", "32", "30", "4", "32", "30", "4"}));
    EXPECT_EQ(engine.run(5, "3", "35").stop, RunStop::Completed);
}

TEST_F(EngineRun, EmptyHistoryStillSummarisesAndForecasts) {
    s.wheel1 = addWheel(s, makeWheel(3, {ticket(1, 2, 3, 1, 2, 3)}));
    s.wheel2 = addWheel(s, makeWheel(3, {ticket(1, 2, 3, 1, 2, 3)}));
    ASSERT_EQ(engine.run(7, "0", "0").stop, RunStop::Completed);
    EXPECT_EQ(main.draws.rowCount(), 1);
    EXPECT_EQ(main.hits.rowCount(), 2);
    EXPECT_EQ(row(main.hits, 1), (Row{"Всего:", "0", "0", "0", "0", "0", "", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(main.labels[3], "Нулей: 0");
    EXPECT_EQ(main.labels[17], "Шестерок: 0");
    EXPECT_EQ(forecast.caption, "Прогноз на тираж №1");
    // K = 0: tickets show their numbers only.
    EXPECT_EQ(row(forecast.tickets1, 0), (Row{"1", "", "", "", "", "", ""}));
    // P1 = N = 0: the second part has no numbers.
    EXPECT_EQ(row(forecast.tickets2, 0), (Row{"", "", "", "", "", "", ""}));
}

TEST_F(EngineRun, PartWithoutNumbersShowsNothing) {
    handExample();
    engine.run(7, "3", "3");
    ASSERT_EQ(row(forecast.strip2, 0).size(), 3u);

    // The first part covers 1..N: the second wheel stays out of it.
    s.N = 3;
    ASSERT_EQ(engine.run(9, "3", "0").stop, RunStop::Completed);
    for (int r = 1; r <= 2; ++r) {
        EXPECT_EQ(main.hits.cell(7, r), "0");
        EXPECT_EQ(main.hits.cell(11, r), "0");
        EXPECT_EQ(main.draws.cell(2, r), "0");
        EXPECT_EQ(main.draws.cell(4, r), "");
    }
    EXPECT_EQ(forecast.tickets2.rowCount(), 1);
    EXPECT_EQ(row(forecast.tickets2, 0), (Row{"", "", "", "", "", "", ""}));
    EXPECT_EQ(row(forecast.strip2, 0), (Row{""}));
    EXPECT_EQ(forecast.strip1.colCount(), 3);

    // No second wheel chosen.
    s.N = 45;
    s.wheel2 = 0;
    ASSERT_EQ(engine.run(9, "3", "3").stop, RunStop::Completed);
    EXPECT_EQ(row(main.hits, 1).back(), "0");
    EXPECT_EQ(engine.tables().partSets[1].size(), 3);  // the part itself is still drawn
    EXPECT_EQ(row(forecast.strip2, 0), (Row{""}));
    EXPECT_EQ(row(forecast.tickets2, 0), (Row{"", "", "", "", "", "", ""}));

    // A wheel index that names no loaded wheel is no wheel either.
    s.wheel1 = 77;
    ASSERT_EQ(engine.run(9, "3", "3").stop, RunStop::Completed);
    EXPECT_EQ(row(forecast.strip1, 0), (Row{""}));
    EXPECT_EQ(main.hits.cell(1, 3), "0");
}

TEST_F(EngineRun, FewerOrMoreNumbersPerDrawThanTicketPositions) {
    handExample();
    engine.run(7, "3", "3");
    // K = 4 empties columns 5 and 6 left by the run with K = 6.
    s.K = 4;
    engine.run(7, "3", "3");
    EXPECT_EQ(row(forecast.tickets1, 0), (Row{"1", "32", "30", "4", "32", "", ""}));

    // K = 8: a ticket has six numbers, hits are counted over eight.
    AppState t;
    MainView m;
    ForecastView f;
    Engine e(t, m, f);
    t.K = 8;
    t.N = 45;
    setFavourites(t, {1, 2, 3, 4, 5, 6});
    t.wheel1 = addWheel(t, makeWheel(6, {ticket(1, 2, 3, 4, 5, 6), ticket(1, 1, 1, 1, 1, 2)}));
    addDraw(t, {9, 8, 6, 5, 4, 3, 2, 1});
    addDraw(t, {1, 2, 3, 4, 5, 6, 1, 7});  // 1 twice: seven hits count nowhere
    ASSERT_EQ(e.run(3, "6", "0").stop, RunStop::Completed);
    EXPECT_EQ(row(m.hits, 1), (Row{"1", "1", "0", "0", "0", "1", "1", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(row(m.hits, 2), (Row{"2", "0", "1", "0", "0", "0", "2", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(row(m.draws, 1), (Row{"1", "6", "0", "06 05 04 03 02 01 ", ""}));
    EXPECT_EQ(m.draws.cell(1, 2), "7");
    EXPECT_EQ(m.labels[9], "Шестерок: 1");  // the draw with seven in the part counts nowhere
    EXPECT_EQ(row(f.tickets1, 0), (Row{"1", "1", "2", "3", "4", "5", "6"}));
}

TEST_F(EngineRun, TotalsRowLeavesNothingUnderTheSecondDrawColumn) {
    handExample();
    addDraw(s, {1, 2, 3, 4, 5, 6});
    engine.run(7, "3", "3");
    EXPECT_EQ(main.hits.cell(6, 2), "2");
    s.D = 1;
    engine.run(7, "3", "3");
    EXPECT_EQ(main.hits.rowCount(), 3);
    EXPECT_EQ(main.hits.cell(6, 2), "");
    EXPECT_EQ(main.hits.cell(0, 2), "Всего:");
}

TEST_F(EngineRun, TicketCountAndPositionsOutsideWhatIsStored) {
    s.K = 6;
    s.N = 45;
    // Twelve tickets promised, two stored; positions 0 and 101 are no number.
    s.wheel1 = addWheel(s, makeWheel(6, {ticket(1, 2, 3, 4, 5, 6), ticket(1, 2, 0, 101, 0, 0)}, 12));
    Wheel negative = makeWheel(3, {ticket(1, 2, 3, 1, 2, 3)});
    negative.ticketCount = -4;
    s.wheel2 = addWheel(s, negative);
    setFavourites(s, {11, 12, 13, 14, 15, 16});
    addDraw(s, {11, 12, 0, 40, 41, 42});
    ASSERT_EQ(engine.run(1, "6", "3").stop, RunStop::Completed);
    EXPECT_EQ(row(main.hits, 1), (Row{"1", "2", "0", "0", "0", "0", "1", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(forecast.tickets1.rowCount(), 2);
    EXPECT_EQ(row(forecast.tickets1, 1), (Row{"2", "11", "12", "0", "0", "0", "0"}));
    EXPECT_EQ(forecast.tickets2.rowCount(), 1);
    EXPECT_EQ(row(forecast.tickets2, 0), (Row{"", "", "", "", "", "", ""}));
    EXPECT_NE(forecast.strip2.cell(2, 0), "");  // a wheel without tickets still has numbers
}

}  // namespace
}  // namespace trimel
