#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

#include "domain/State.h"
#include "engine/Engine.h"

namespace {

using namespace trimel;

// A 6-of-45 history of 10000 draws and two wheels of 500 tickets over
// parts of 22 and 23 numbers.
void fillState(AppState& s, int draws, int tickets) {
    std::mt19937 gen(45);
    s.K = 6;
    s.N = 45;
    std::vector<int> numbers(45);
    std::iota(numbers.begin(), numbers.end(), 1);
    for (int i = 1; i <= draws; ++i) {
        std::shuffle(numbers.begin(), numbers.end(), gen);
        for (int p = 1; p <= 6; ++p) s.draws[static_cast<std::size_t>(i)].numbers[static_cast<std::size_t>(p)] = numbers[static_cast<std::size_t>(p - 1)];
    }
    s.D = draws;
    for (int m : {22, 23}) {
        Wheel& w = s.wheels[static_cast<std::size_t>(++s.wheelCount)];
        w.numberCount = m;
        w.ticketCount = tickets;
        w.guarantee = 3;
        std::vector<int> positions(static_cast<std::size_t>(m));
        std::iota(positions.begin(), positions.end(), 1);
        for (int t = 0; t < tickets; ++t) {
            std::shuffle(positions.begin(), positions.end(), gen);
            Ticket tk{};
            for (int p = 1; p <= 6; ++p) tk[static_cast<std::size_t>(p)] = positions[static_cast<std::size_t>(p - 1)];
            w.tickets.push_back(tk);
        }
    }
    s.wheel1 = 1;
    s.wheel2 = 2;
}

void BM_Run(benchmark::State& st) {
    const int draws = static_cast<int>(st.range(0));
    const int tickets = static_cast<int>(st.range(1));
    AppState s;
    fillState(s, draws, tickets);
    MainView main;
    ForecastView forecast;
    Engine engine(s, main, forecast);
    std::uint32_t seed = 1;
    for (auto _ : st) {
        const RunOutcome out = engine.run(seed++, "22", "23");
        benchmark::DoNotOptimize(out.stop);
    }
    const double evaluated = static_cast<double>(draws) * 2.0 * tickets;
    st.counters["per_draw"] = benchmark::Counter(
        draws, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    st.counters["per_ticket"] = benchmark::Counter(
        evaluated, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Run)->Args({10000, 500})->Unit(benchmark::kMillisecond);

// The same run with favourite numbers as the first part, whose tickets
// stay the same in every draw.
void BM_RunFavourites(benchmark::State& st) {
    AppState s;
    fillState(s, 10000, 500);
    for (int j = 1; j <= 22; ++j) s.favourites[static_cast<std::size_t>(j)] = 2 * j;
    MainView main;
    ForecastView forecast;
    Engine engine(s, main, forecast);
    std::uint32_t seed = 1;
    for (auto _ : st) benchmark::DoNotOptimize(engine.run(seed++, "22", "23").stop);
    st.counters["per_draw"] = benchmark::Counter(
        10000, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RunFavourites)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
