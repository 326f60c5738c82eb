// Loading the wheel library and a draw history, each beside the time to
// merely read the same bytes: the ratio of the two is the figure to watch.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

#include "domain/DrawHistory.h"
#include "domain/WheelLibrary.h"

namespace fs = std::filesystem;
using namespace trimel;

namespace {

constexpr int kWheelFiles = 100;
constexpr int kTicketLines = 10000;
constexpr int kDraws = 10000;

// The benchmark's files, written once per process into a temporary folder.
struct Fixture {
    fs::path root;
    fs::path wheels;
    fs::path history;
    std::int64_t wheelBytes = 0;
    std::int64_t historyBytes = 0;

    Fixture() {
        root = fs::temp_directory_path() / ("trimel-bench-" + std::to_string(::getpid()));
        wheels = root / "wheels";
        history = root / "history.txt";
        fs::create_directories(wheels);
        std::mt19937 rng(1);
        char buf[64];
        for (int w = 1; w <= kWheelFiles; ++w) {
            std::snprintf(buf, sizeof buf, "ASys%03d.txt", w);
            std::ofstream f(wheels / buf, std::ios::binary);
            f << "bench wheel\n24\n" << kTicketLines << "\n3\n0\n";
            for (int t = 0; t < kTicketLines; ++t) {
                for (int p = 0; p < 6; ++p) {
                    std::snprintf(buf, sizeof buf, "%02u", static_cast<unsigned>(rng() % 24 + 1));
                    f << buf;
                }
                f << '\n';
            }
        }
        std::ofstream h(history, std::ios::binary);
        h << "06 45\n";
        for (int i = 1; i <= kDraws; ++i) {
            std::snprintf(buf, sizeof buf, "%04d  ", i % 10000);
            h << buf;
            for (int j = 0; j < 6; ++j) {
                std::snprintf(buf, sizeof buf, "%02u", static_cast<unsigned>(rng() % 45 + 1));
                h << buf;
            }
            h << " 07\n";
        }
        h.close();
        for (const auto& e : fs::directory_iterator(wheels)) wheelBytes += fs::file_size(e.path());
        historyBytes = static_cast<std::int64_t>(fs::file_size(history));
    }
    ~Fixture() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

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
    Fixture& f = fixture();
    for (auto _ : st) {
        std::size_t total = 0;
        for (const auto& name : wheelFileNames(f.wheels.string())) total += readBytes(f.wheels / name);
        benchmark::DoNotOptimize(total);
    }
    st.SetBytesProcessed(st.iterations() * f.wheelBytes);
}

void BM_LoadWheelLibrary(benchmark::State& st) {
    Fixture& f = fixture();
    auto state = std::make_unique<AppState>();
    for (auto _ : st) {
        state->wheelCount = 0;
        loadWheelLibrary(*state, f.wheels.string(), nullptr);
        benchmark::DoNotOptimize(state->wheelCount);
    }
    st.SetBytesProcessed(st.iterations() * f.wheelBytes);
}

void BM_ReadHistoryBytes(benchmark::State& st) {
    Fixture& f = fixture();
    for (auto _ : st) benchmark::DoNotOptimize(readBytes(f.history));
    st.SetBytesProcessed(st.iterations() * f.historyBytes);
}

void BM_LoadDrawHistory(benchmark::State& st) {
    Fixture& f = fixture();
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
