#include "Engine.h"

#include <chrono>

#include "Run.h"

namespace trimel {

std::uint32_t clockSeed() {
    const auto ns = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(ns).count());
}

Engine::Engine(AppState& state, MainView& main, ForecastView& forecast)
    : impl_(std::make_unique<EngineImpl>(state, main, forecast)) {}

Engine::~Engine() = default;

RunOutcome Engine::run(std::uint32_t seed, std::string_view part1Text, std::string_view part2Text) {
    return impl_->run(seed, part1Text, part2Text);
}

WorkTables& Engine::tables() {
    return impl_->tables;
}
const WorkTables& Engine::tables() const {
    return impl_->tables;
}

}  // namespace trimel
