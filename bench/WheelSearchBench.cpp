// The size each search method reaches in a fixed time on one core, beside
// the annealer, and what the tool's own choice reaches on one core and on
// two. Each case runs once for TRIMEL_SEARCH_SECONDS (default 60); the
// counter "tickets" is the result, "known" the smallest known size.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "wheeltool/Maker.h"
#include "wheeltool/OrbitSearch.h"
#include "wheeltool/Targets.h"
#include "wheeltool/ThresholdSearch.h"
#include "wheeltool/WeightedSearch.h"

using namespace trimel::wheels;

namespace {

double seconds() {
    const char* s = std::getenv("TRIMEL_SEARCH_SECONDS");
    return s ? std::atof(s) : 60.0;
}

struct Case {
    const char* name;
    CoverSpec problem;
    int known;
};
const Case kCases[] = {
    {"4if6_on_16", {16, 6, 4}, knownWheelSize(16, 4)},
    {"4if6_on_18", {18, 6, 4}, knownWheelSize(18, 4)},
    {"5if6_on_14", {14, 6, 5}, knownWheelSize(14, 5)},
    {"3if4_on_20", {20, 4, 3}, knownThreeIfFourSize(20)},
};

void run(benchmark::State& state, const Case& c, std::vector<SearchMethod> methods) {
    Tickets wheel;
    for (auto _ : state) {
        SearchLimits limits;
        limits.seconds = seconds();
        wheel = searchInParallel(methods, c.problem, {}, limits, 1);
    }
    state.counters["tickets"] = static_cast<double>(wheel.size());
    state.counters["known"] = c.known;
}

const bool registered = [] {
    for (const Case& c : kCases) {
        const std::string n = c.name;
        auto reg = [&](const std::string& label, std::vector<SearchMethod> m) {
            benchmark::RegisterBenchmark((label + "/" + n).c_str(), run, c, std::move(m))
                ->Iterations(1)
                ->UseRealTime()
                ->Unit(benchmark::kSecond);
        };
        reg("BM_Annealer", {searchCovering});
        reg("BM_Weighted", {weightedSearch});
        reg("BM_Threshold", {thresholdSearch});
        reg("BM_Orbits", {orbitSearch});
        reg("BM_Chosen_jobs1", searchesFor(Method::Choose, 1, c.problem));
        reg("BM_Chosen_jobs2", searchesFor(Method::Choose, 2, c.problem));
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
