#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "Engine.h"
#include "HitCount.h"
#include "RunParts.h"
#include "Views.h"
#include "WorkTables.h"
#include "domain/State.h"

namespace trimel {

// One engine with its working tables; run() is the whole "ИГРАТЬ!" pass.
class EngineImpl {
  public:
    EngineImpl(AppState& state, MainView& main, ForecastView& forecast);

    RunOutcome run(std::uint32_t seed, std::string_view part1Text, std::string_view part2Text);

    WorkTables tables;

  private:
    void passDraw(int i);

    AppState& state_;
    MainView& main_;
    ForecastView& forecast_;
    RunParts run_;
    HitCounter counters_[2];
    std::array<std::string, 2> numberTexts_;  // reused for columns 3 and 4 of a row
};

}  // namespace trimel
