#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Views.h"
#include "WorkTables.h"
#include "domain/State.h"

namespace trimel {

// Row counts, header rows and column widths of both grids for a run over
// D draws, and empty number columns 3 and 4 of the draws grid.
void prepareGrids(MainView& view, int D);

// Row i of the hits grid: i, bins 2..6 of the first wheel, i, bins 2..6
// of the second.
void writeHitsRow(TextGrid& hits, int i, const Histogram& first, const Histogram& second);

// Counts the draw's numbers (positions 1..count) that are in each part
// set and lists them, in draw order, after the texts of columns 3 and 4 of
// row i. `texts` are scratch buffers kept by the caller.
void listDrawnInParts(TextGrid& draws, int i, const tyr& draw, int count,
                      const std::array<NumberSet, 2>& partSets, std::array<std::int32_t, 2>& inPart,
                      std::array<std::string, 2>& texts);

// Columns 0..2 of row i of the draws grid.
void writeDrawCounts(TextGrid& draws, int i, const std::array<std::int32_t, 2>& inPart);

// Labels 3..9 and 11..17 from the two part spread histograms.
void writeSummary(std::array<std::string, 18>& labels, const std::array<Histogram, 2>& spread);

// The "Всего:" row D + 1: column sums of the draw rows, read back from the
// cells' texts.
void writeTotals(TextGrid& hits, int D, std::array<std::int32_t, 10>& totals);

}  // namespace trimel
