#pragma once

#include "PartChoice.h"
#include "RunParts.h"
#include "Views.h"
#include "WorkTables.h"

namespace trimel {

// One more choice of both parts, for the draw after the last, and the
// expansion of both wheels over it. The generator goes on from the pass.
void makeForecast(WorkTables& w, const Favourites& favourites, const RunParts& run);

// Fills the forecast window's grids, strips and caption from the forecast.
void showForecast(ForecastView& view, const WorkTables& w, const RunParts& run);

}  // namespace trimel
