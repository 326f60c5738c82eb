#include "Engine.h"

#include <chrono>

namespace trimel {

// Placeholder until the run lands: the engine exists and completes at once.
class EngineImpl {
public:
    EngineImpl(AppState& s, MainView& m, ForecastView& f) : state(s), main(m), forecast(f) {}
    AppState& state;
    MainView& main;
    ForecastView& forecast;
};

std::uint32_t clockSeed() {
    const auto ns = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(ns).count());
}

Engine::Engine(AppState& state, MainView& main, ForecastView& forecast)
    : impl_(std::make_unique<EngineImpl>(state, main, forecast)) {}

Engine::~Engine() = default;

RunOutcome Engine::run(std::uint32_t, std::string_view, std::string_view) { return {}; }

}  // namespace trimel
