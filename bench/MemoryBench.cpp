// Peak resident memory of the program with a full library (100 wheels of
// 10000 tickets), a history of 10000 draws and one run over them with two
// of those wheels, beside the program with nothing loaded and the core
// alone doing the same. Each case runs in a child process of its own, so
// its peak is its own; the figures are the counters, in MiB.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <functional>
#include <memory>

#include "BenchData.h"
#include "Quiet.h"
#include "domain/DrawHistory.h"
#include "domain/WheelLibrary.h"
#include "engine/Engine.h"
#include "ui/Look.h"
#include "ui/Program.h"
#include "ui/polov.h"
#include "ui/prog.h"

using namespace trimel;
using namespace trimel::ui;
using trimel::bench::Quiet;

namespace {

// Runs `work` in a child process; its peak resident memory in MiB, or a
// negative value when it failed.
double childPeakMiB(const std::function<bool()>& work) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(work() ? 0 : 1);
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void report(benchmark::State& st, const std::function<bool()>& work) {
    double peak = 0;
    for (auto _ : st) peak = childPeakMiB(work);
    if (peak < 0) st.SkipWithError("the child process failed");
    st.counters["peak_MiB"] = peak;
}

// The program as main() starts it in `folder` (whose wheels/ its start-up
// loads); `use` then works its windows.
bool program(const std::filesystem::path& folder,
             const std::function<bool(Program&, Quiet&)>& use) {
    int argc = 1;
    char name[] = "trimel";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    installFontSubstitutes();
    QDir::setCurrent(QString::fromStdString(folder.string()));
    Program p("trimel");
    auto quiet = std::make_unique<Quiet>();
    Quiet& q = *quiet;
    p.setReporter(std::move(quiet));
    startUp(p);
    QApplication::processEvents();
    return use(p, q);
}

void BM_PeakMemory_ProgramStarted(benchmark::State& st) {
    // The same program with nothing to load: the plain baseline.
    const std::filesystem::path empty = bench::benchData().root / "empty";
    std::filesystem::create_directories(empty);
    report(st, [&] {
        return program(
            empty, [](Program& p, Quiet& q) { return p.state.wheelCount == 0 && q.shown == 0; });
    });
}

void BM_PeakMemory_ProgramLoadedAndRun(benchmark::State& st) {
    bench::benchData();
    report(st, [] {
        return program(bench::benchData().root, [](Program& p, Quiet& q) {
            p.chooseFile = [](QWidget*, const QString&) {
                return QString::fromStdString(bench::benchData().history.string());
            };
            TForm1* main = p.form1();
            main->sButton1->click();
            p.state.wheel1 = 1;
            p.state.wheel2 = 2;
            main->showChosenSizes(22, 23);  // as "Выбрать" hands them over
            main->sButton4->click();
            QApplication::processEvents();
            return q.shown == 0 && p.state.D == bench::kDraws && p.form3()->isVisible();
        });
    });
}

void BM_PeakMemory_CoreLoadedAndRun(benchmark::State& st) {
    bench::benchData();
    report(st, [] {
        auto state = std::make_unique<AppState>();
        loadWheelLibrary(*state, bench::benchData().wheels.string(), nullptr);
        loadDrawHistory(*state, bench::benchData().history.string());
        state->wheel1 = 1;
        state->wheel2 = 2;
        MainView mainView;
        ForecastView forecast;
        Engine engine(*state, mainView, forecast);
        return engine.run(1, "22", "23").stop == RunStop::Completed;
    });
}

}  // namespace

BENCHMARK(BM_PeakMemory_ProgramStarted)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemory_ProgramLoadedAndRun)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemory_CoreLoadedAndRun)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
