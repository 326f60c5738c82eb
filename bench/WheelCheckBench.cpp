// `trimel-wheels check` on the shipped 6 of 49 "3 if 6" wheel and the
// 25-number "4 if 6" wheel, each beside the plain loop over every 6-subset
// and every ticket computing the same figures.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <map>

#include "wheeltool/WheelCheck.h"
#include "wheeltool/WheelFile.h"

using namespace trimel::wheels;

namespace {

const WheelFile& shipped(const char* name) {
    static std::map<std::string, WheelFile> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.emplace(name, readWheelFile(std::string(TRIMEL_EXAMPLES "/wheels/") + name))
                 .first;
    return it->second;
}

// Six-subsets meeting a ticket in t numbers or more, and in t + 1 or more.
std::pair<std::uint64_t, std::uint64_t> plainLoop(int v, int t, const Tickets& tickets) {
    std::uint64_t reached = 0, beyond = 0;
    for (int a = 0; a < v; ++a)
        for (int b = a + 1; b < v; ++b)
            for (int c = b + 1; c < v; ++c)
                for (int d = c + 1; d < v; ++d)
                    for (int e = d + 1; e < v; ++e)
                        for (int f = e + 1; f < v; ++f) {
                            const std::uint64_t six = (1ull << a) | (1ull << b) | (1ull << c) |
                                                      (1ull << d) | (1ull << e) | (1ull << f);
                            int most = 0;
                            for (std::uint64_t ticket : tickets) {
                                most = std::max(most, std::popcount(ticket & six));
                                if (most > t) break;
                            }
                            reached += most >= t;
                            beyond += most > t;
                        }
    return {reached, beyond};
}

void Check(benchmark::State& state, const char* name) {
    const WheelFile& f = shipped(name);
    for (auto _ : state)
        benchmark::DoNotOptimize(checkWheel(f.wheel.numberCount, f.wheel.guarantee, f.tickets));
    state.SetLabel(std::to_string(f.wheel.numberCount) + " numbers, " +
                   std::to_string(f.tickets.size()) + " tickets");
}

void Plain(benchmark::State& state, const char* name) {
    const WheelFile& f = shipped(name);
    for (auto _ : state)
        benchmark::DoNotOptimize(plainLoop(f.wheel.numberCount, f.wheel.guarantee, f.tickets));
    state.SetLabel(std::to_string(f.wheel.numberCount) + " numbers, " +
                   std::to_string(f.tickets.size()) + " tickets");
}

}  // namespace

// ASys043: "3 if 6" on 49 numbers; ASys062: "4 if 6" on 25.
BENCHMARK_CAPTURE(Check, six_of_49_three, "ASys043.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Plain, six_of_49_three, "ASys043.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Check, twenty_five_four, "ASys062.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Plain, twenty_five_four, "ASys062.txt")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
