// Loading the wheel library and a draw history, each beside the time to
// merely read the same bytes: the ratio of the two is the figure to watch.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "BenchData.h"
#include "domain/DrawHistory.h"
#include "domain/WheelLibrary.h"

namespace fs = std::filesystem;
using namespace trimel;

namespace {

// Reads a file's bytes with no parsing, as a floor for the loaders.
std::size_t readBytes(const fs::path& p) {
    std::FILE* f = std::fopen(p.c_str(), "rb");
    if (!f) return 0;
    static char buf[1 << 16];
    std::size_t total = 0, got;
    while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) total += got;
    std::fclose(f);
    return total;
}

void BM_ReadWheelBytes(benchmark::State& st) {
    const bench::BenchData& f = bench::benchData();
    for (auto _ : st) {
        std::size_t total = 0;
        for (const auto& name : wheelFileNames(f.wheels.string()))
            total += readBytes(f.wheels / name);
        benchmark::DoNotOptimize(total);
    }
    st.SetBytesProcessed(st.iterations() * f.wheelBytes);
}

void BM_LoadWheelLibrary(benchmark::State& st) {
    const bench::BenchData& f = bench::benchData();
    auto state = std::make_unique<AppState>();
    for (auto _ : st) {
        state->wheelCount = 0;
        loadWheelLibrary(*state, f.wheels.string(), nullptr);
        benchmark::DoNotOptimize(state->wheelCount);
    }
    st.SetBytesProcessed(st.iterations() * f.wheelBytes);
}

void BM_ReadHistoryBytes(benchmark::State& st) {
    const bench::BenchData& f = bench::benchData();
    for (auto _ : st) benchmark::DoNotOptimize(readBytes(f.history));
    st.SetBytesProcessed(st.iterations() * f.historyBytes);
}

void BM_LoadDrawHistory(benchmark::State& st) {
    const bench::BenchData& f = bench::benchData();
    auto state = std::make_unique<AppState>();
    for (auto _ : st) benchmark::DoNotOptimize(loadDrawHistory(*state, f.history.string()));
    st.SetBytesProcessed(st.iterations() * f.historyBytes);
}

}  // namespace

BENCHMARK(BM_ReadWheelBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadWheelLibrary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadHistoryBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadDrawHistory)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
