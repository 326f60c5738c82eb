#include "Run.h"

#include "Forecast.h"
#include "PartChoice.h"
#include "Rows.h"
#include "SizeCheck.h"
#include "domain/Errors.h"
#include "domain/IntText.h"

namespace trimel {

namespace {

const char* const kFieldsMessage = "Не все поля заполнены верно!";
const char* const kSumMessage =
    "Сумма частей больше количества чисел в лотерее. Выберите другие системы.";
const char* const kShortMessage =
    "Не хватает чисел для частей такого размера. Измените размеры частей.";

std::int32_t readPartSize(std::string_view text) {
    try {
        return strToInt(text);
    } catch (const ConvertError&) {
        throw ConvertError(kFieldsMessage);
    }
}

}  // namespace

EngineImpl::EngineImpl(AppState& state, MainView& main, ForecastView& forecast)
    : state_(state), main_(main), forecast_(forecast) {}

RunOutcome EngineImpl::run(std::uint32_t seed, std::string_view part1Text,
                           std::string_view part2Text) {
    tables.random.reseed(seed);
    const int D = RunParts::of(state_).D;
    prepareGrids(main_, D);

    // The first size is kept even when the second text fails.
    state_.size1 = readPartSize(part1Text);
    state_.size2 = readPartSize(part2Text);
    if (std::int64_t{state_.size1} + state_.size2 > state_.N)
        return {RunStop::SumTooLarge, kSumMessage};

    run_ = RunParts::of(state_);
    if (!partSizesCanBeMet(run_.N, run_.P1, run_.P2, run_.wheels[0].numberCount, state_.favourites))
        return {RunStop::NumbersShort, kShortMessage};

    tables.spread = {};
    tables.totals = {};
    for (int part = 0; part < 2; ++part)
        counters_[part].prepare(run_.wheels[part], run_.ticketPositions);

    for (int i = 1; i <= run_.D; ++i) passDraw(i);

    writeSummary(main_.labels, tables.spread);
    writeTotals(main_.hits, run_.D, tables.totals);
    makeForecast(tables, state_.favourites, run_);
    showForecast(forecast_, tables, run_);
    return {};
}

// Hit counting reads the tickets' numbers straight from the part lists;
// the expanded tables are written by the forecast, over the same tickets
// and positions, so they end the run as if every draw had written them.
void EngineImpl::passDraw(int i) {
    WorkTables& w = tables;
    w.partSets[0].clear();
    w.partSets[1].clear();
    w.inPart = {0, 0};

    choosePassParts(w, state_.favourites, run_);

    const tyr& draw = state_.draws[static_cast<std::size_t>(i)];
    const DrawnNumbers drawn(draw, run_.drawnCount);
    w.hits[0] = {};
    w.hits[1] = {};
    counters_[0].count(w.lists[0], drawn, w.hits[0]);
    counters_[1].count(w.lists[1], drawn, w.hits[1]);

    writeHitsRow(main_.hits, i, w.hits[0], w.hits[1]);

    listDrawnInParts(main_.draws, i, draw, drawn.count, w.partSets, w.inPart, numberTexts_);
    writeDrawCounts(main_.draws, i, w.inPart);

    for (int part = 0; part < 2; ++part) {
        const std::int32_t c = w.inPart[static_cast<std::size_t>(part)];
        if (c >= 0 && c <= 6)
            ++w.spread[static_cast<std::size_t>(part)][static_cast<std::size_t>(c)];
    }
}

}  // namespace trimel
