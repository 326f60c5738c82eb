#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <random>
#include <string>

#include "domain/State.h"
#include "engine/Engine.h"
#include "engine/WorkTables.h"

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
        for (int p = 1; p <= 6; ++p)
            s.draws[static_cast<std::size_t>(i)].numbers[static_cast<std::size_t>(p)] =
                numbers[static_cast<std::size_t>(p - 1)];
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
            for (int p = 1; p <= 6; ++p)
                tk[static_cast<std::size_t>(p)] = positions[static_cast<std::size_t>(p - 1)];
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

// The floor of that run: the least work that counts its hits. Both wheels
// are expanded once, over 1..22 and 23..45, into masks of their tickets'
// numbers; every draw then tallies each ticket by one popcount of its mask
// and the draw's, with the CPU's popcount instruction where it has one.
template <class Draws, class Tickets>
inline __attribute__((always_inline)) void floorPass(const Draws& draws, const Tickets& wheels,
                                                     Histogram& hist) {
    for (std::uint64_t d : draws)
        for (const auto& tickets : wheels)
            for (std::uint64_t t : tickets)
                ++hist[static_cast<std::size_t>(__builtin_popcountll(t & d))];
}

using Masks = std::vector<std::uint64_t>;

#if defined(__x86_64__)
__attribute__((target("popcnt"))) void floorPassPopcount(const Masks& draws,
                                                         const std::array<Masks, 2>& wheels,
                                                         Histogram& hist) {
    floorPass(draws, wheels, hist);
}
#endif

void floorPassPortable(const Masks& draws, const std::array<Masks, 2>& wheels, Histogram& hist) {
    floorPass(draws, wheels, hist);
}

void BM_RunFloor(benchmark::State& st) {
    const int draws = static_cast<int>(st.range(0));
    const int tickets = static_cast<int>(st.range(1));
    AppState s;
    fillState(s, draws, tickets);
    Masks drawMasks;
    for (int i = 1; i <= draws; ++i) {
        std::uint64_t m = 0;
        for (int p = 1; p <= 6; ++p)
            m |= std::uint64_t{1}
                 << s.draws[static_cast<std::size_t>(i)].numbers[static_cast<std::size_t>(p)];
        drawMasks.push_back(m);
    }
    std::array<Masks, 2> wheels;
    for (std::size_t w = 0; w < 2; ++w) {
        const int first = w == 0 ? 0 : 22;  // the part holds first + 1 onwards
        for (const Ticket& tk : s.wheels[w + 1].tickets) {
            std::uint64_t m = 0;
            for (int p = 1; p <= 6; ++p)
                m |= std::uint64_t{1} << (first + tk[static_cast<std::size_t>(p)]);
            wheels[w].push_back(m);
        }
    }
    bool popcount = false;
#if defined(__x86_64__)
    popcount = __builtin_cpu_supports("popcnt");
#endif
    for (auto _ : st) {
        Histogram hist{};
#if defined(__x86_64__)
        if (popcount)
            floorPassPopcount(drawMasks, wheels, hist);
        else
#endif
            floorPassPortable(drawMasks, wheels, hist);
        benchmark::DoNotOptimize(hist);
    }
    st.SetLabel(popcount ? "popcount instruction" : "portable popcount");
    const double evaluated = static_cast<double>(draws) * 2.0 * tickets;
    st.counters["per_ticket"] = benchmark::Counter(
        evaluated, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RunFloor)->Args({10000, 500})->Unit(benchmark::kMillisecond);

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
