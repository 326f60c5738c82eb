#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "Views.h"
#include "domain/State.h"

namespace trimel {

// How a run ended. A run that stops early has written only its set-up
// (row counts, headers, widths, emptied number columns).
enum class RunStop {
    Completed,     // pass, summary, totals and forecast written
    SumTooLarge,   // the part sizes add up to more than N
    NumbersShort,  // the part sizes cannot be met with distinct numbers
};

struct RunOutcome {
    RunStop stop = RunStop::Completed;
    std::string message;  // what to show for a stop; empty when completed
};

// The clock-derived seed a click uses: the low 32 bits of a monotonic
// nanosecond clock.
std::uint32_t clockSeed();

class EngineImpl;
struct WorkTables;

// The forecast engine: back-tests the two chosen wheels over the history
// and makes the forecast for the next draw. Its working tables live as
// long as the engine and are kept from one run to the next.
class Engine {
  public:
    Engine(AppState& state, MainView& main, ForecastView& forecast);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // One run with the given seed and the texts of the two part-size edits.
    // A part-size text that is not an integer throws ConvertError
    // "Не все поля заполнены верно!".
    RunOutcome run(std::uint32_t seed, std::string_view part1Text, std::string_view part2Text);

    // The working tables (engine/WorkTables.h), for inspection and for
    // setting up the state an earlier run would have left.
    WorkTables& tables();
    const WorkTables& tables() const;

  private:
    std::unique_ptr<EngineImpl> impl_;
};

}  // namespace trimel
