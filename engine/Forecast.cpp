#include "Forecast.h"

#include <algorithm>
#include <string>

#include "Decimal.h"
#include "Expansion.h"

namespace trimel {

namespace {

void emptyGrid(TextGrid& grid) {
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.colCount(); ++c) grid.clearCell(c, r);
}

void fillTickets(TextGrid& grid, const PartWheel& wheel, int positions,
                 const std::vector<ExpandedTicket>& expanded) {
    const int tickets = std::min(wheel.ticketCount, static_cast<int>(expanded.size()) - 1);
    for (int t = 1; t <= tickets; ++t) {
        grid.setCellNumber(0, t - 1, t);
        const ExpandedTicket& e = expanded[static_cast<std::size_t>(t)];
        for (int p = 1; p <= positions; ++p)
            grid.setCellNumber(p, t - 1, e[static_cast<std::size_t>(p)]);
    }
}

void fillStrip(TextGrid& strip, const PartList& list, std::int32_t size) {
    // Numbers past the strip's columns would not be shown.
    const std::int32_t last =
        std::min({size, kPartListSize, static_cast<std::int32_t>(strip.colCount())});
    for (std::int32_t j = 1; j <= last; ++j)
        strip.setCellNumber(j - 1, 0, list[static_cast<std::size_t>(j)]);
}

}  // namespace

void makeForecast(WorkTables& w, const Favourites& favourites, const RunParts& run) {
    chooseForecastParts(w, favourites, run);
    for (int part = 0; part < 2; ++part)
        expandWheel(run.wheels[part], run.ticketPositions, w.lists[static_cast<std::size_t>(part)],
                    w.expanded[static_cast<std::size_t>(part)]);
}

void showForecast(ForecastView& view, const WorkTables& w, const RunParts& run) {
    TextGrid* tickets[2] = {&view.tickets1, &view.tickets2};
    TextGrid* strips[2] = {&view.strip1, &view.strip2};
    const std::int32_t sizes[2] = {run.P1, run.P2};

    for (int part = 0; part < 2; ++part) tickets[part]->setRowCount(run.wheels[part].ticketCount);
    // A strip is as wide as its wheel's number count, but never wider than
    // a part's list: columns past it could never hold a number.
    for (int part = 0; part < 2; ++part)
        strips[part]->setColCount(std::min(run.wheels[part].numberCount, kPartListSize));
    // Everything is emptied, also the columns past K, so nothing of an
    // earlier run shows through.
    for (int part = 0; part < 2; ++part) emptyGrid(*strips[part]);
    for (int part = 0; part < 2; ++part) emptyGrid(*tickets[part]);

    for (int part = 0; part < 2; ++part)
        fillTickets(*tickets[part], run.wheels[part], run.ticketPositions,
                    w.expanded[static_cast<std::size_t>(part)]);
    // A part without a wheel (the second one too when the first covers
    // 1..N) shows no numbers.
    for (int part = 0; part < 2; ++part)
        if (run.wheels[part].wheel != nullptr)
            fillStrip(*strips[part], w.lists[static_cast<std::size_t>(part)], sizes[part]);

    view.caption = "Прогноз на тираж №";
    appendDecimal(view.caption, run.D + 1);
}

}  // namespace trimel
