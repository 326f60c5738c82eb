// What the windows add to a run of 10000 draws with two wheels of 500
// tickets: refreshing the main window's grids and labels and the forecast
// window from the views the engine wrote, and the whole "ИГРАТЬ!" click
// (engine and windows together); printing the draws grid; and a grid
// view's refresh as its column count grows. Runs without a screen.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <random>

#include "Quiet.h"
#include "ui/GridExport.h"
#include "ui/GridView.h"
#include "ui/Look.h"
#include "ui/Program.h"
#include "ui/polov.h"
#include "ui/prog.h"

using namespace trimel;
using namespace trimel::ui;
using trimel::bench::Quiet;

namespace {

constexpr int kDraws = 10000;
constexpr int kTickets = 500;
constexpr int kWheelNumbers = 20;

struct Bench {
    std::unique_ptr<Program> program;
    Quiet* quiet = nullptr;

    Bench() {
        program = std::make_unique<Program>("trimel");
        auto reporter = std::make_unique<Quiet>();
        quiet = reporter.get();
        program->setReporter(std::move(reporter));
        program->openUrl = [](const QUrl&) {};
        startUp(*program);

        AppState& s = program->state;
        std::mt19937 random(12345);
        s.K = 6;
        s.N = 45;
        s.D = kDraws;
        for (int i = 1; i <= kDraws; ++i) {
            std::vector<int> pool(45);
            for (int x = 0; x < 45; ++x) pool[static_cast<std::size_t>(x)] = x + 1;
            std::shuffle(pool.begin(), pool.end(), random);
            for (int j = 1; j <= 6; ++j)
                s.draws[static_cast<std::size_t>(i)].numbers[static_cast<std::size_t>(j)] =
                    pool[static_cast<std::size_t>(j - 1)];
        }
        std::uniform_int_distribution<int> position(1, kWheelNumbers);
        for (int w = 1; w <= 2; ++w) {
            Wheel& wheel = s.wheels[static_cast<std::size_t>(w)];
            wheel.numberCount = kWheelNumbers;
            wheel.ticketCount = kTickets;
            wheel.guarantee = 3;
            wheel.tickets.resize(kTickets);
            for (Ticket& t : wheel.tickets)
                for (int p = 1; p <= kTicketPositions; ++p)
                    t[static_cast<std::size_t>(p)] = position(random);
        }
        s.wheelCount = 2;
        s.wheel1 = 1;
        s.wheel2 = 2;
        TForm1* main = program->form1();
        main->LabeledEdit1->setText(QString::number(kWheelNumbers));
        main->LabeledEdit2->setText(QString::number(kWheelNumbers));
        main->sButton4->setEnabled(true);
    }
};

std::unique_ptr<Bench> made;

// Made on first use and let go before the application object goes.
Bench& bench() {
    if (!made) made = std::make_unique<Bench>();
    return *made;
}

void BM_RefreshViewsAfterRun(benchmark::State& st) {
    Bench& b = bench();
    Program& p = *b.program;
    std::uint32_t seed = 1;
    for (auto _ : st) {
        st.PauseTiming();
        p.engine.run(seed++, "20", "20");
        st.ResumeTiming();
        p.form1()->refreshFromRun();
        p.form3()->showForecast();
        p.form1()->repaint();
        p.form3()->repaint();
    }
    st.SetItemsProcessed(st.iterations() * kDraws);  // grid rows per second
}
BENCHMARK(BM_RefreshViewsAfterRun)->Unit(benchmark::kMillisecond);

void BM_PlayClick(benchmark::State& st) {
    Bench& b = bench();
    Program& p = *b.program;
    std::uint32_t seed = 1;
    p.seed = [&seed] { return seed++; };
    for (auto _ : st) {
        p.form1()->sButton4->click();
        p.form1()->repaint();
        p.form3()->repaint();
    }
    if (b.quiet->shown != 0) st.SkipWithError("the run reported a message");
    st.SetItemsProcessed(st.iterations() * kDraws);  // draws per second
}
BENCHMARK(BM_PlayClick)->Unit(benchmark::kMillisecond);

// The draws grid after a run (10000 rows) printed to PDF from its context
// menu, beside its plain text (what "Сохранить…" writes) as the baseline.
GridView& drawsAfterRun() {
    Program& p = *bench().program;
    if (p.mainView.draws.rowCount() <= kDraws) {
        p.engine.run(1, "20", "20");
        p.form1()->refreshFromRun();
    }
    return *p.form1()->StringGrid1;
}

void BM_DrawsGridText(benchmark::State& st) {
    GridView& grid = drawsAfterRun();
    for (auto _ : st) benchmark::DoNotOptimize(gridText(grid));
}
BENCHMARK(BM_DrawsGridText)->Unit(benchmark::kMillisecond);

void BM_PrintDrawsGrid(benchmark::State& st) {
    GridView& grid = drawsAfterRun();
    const QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("draws.pdf")));
    for (auto _ : st) printGrid(grid, QStringLiteral("Тиражи"), printer);
}
BENCHMARK(BM_PrintDrawsGrid)->Unit(benchmark::kMillisecond);

// A view over a grid with many columns at the default width, as a
// strip or any grid with an absurd count would be: its cost must grow
// with the columns, not with their square.
void BM_WideGridSync(benchmark::State& st) {
    const int cols = static_cast<int>(st.range(0));
    TextGrid grid(1, 1, 20);
    GridView view(grid, 20, Qt::gray);
    view.resize(530, 40);
    for (auto _ : st) {
        grid.setColCount(1);
        view.sync();
        grid.setColCount(cols);
        for (int c = 0; c < cols; c += 7) grid.setCell(c, 0, "7");
        view.sync();
    }
    st.SetComplexityN(cols);
}
BENCHMARK(BM_WideGridSync)
    ->Arg(1000)
    ->Arg(4000)
    ->Arg(16000)
    ->Arg(64000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    made.reset();
    return 0;
}
