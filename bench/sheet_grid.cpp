// The sheet grid with the largest usual table (501 rates x 3650 days): computing and
// showing it until painted, jumping to the last cell, copying a 501 x 100 block; and the
// growth of the process's peak memory for that table.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QPixmap>
#include <QWindow>
#include <QElapsedTimer>
#include <fstream>
#include <memory>
#include <string>

#include "core/InterestEngine.h"
#include "ui/common/RateTermGrid.h"
#include "ui/common/SheetGrid.h"
#include "ui/savings/ZinsSheetGrid.h"

namespace {

constexpr zolt::TableInputs kFullDailyTable{1000, 1, 3650, 0, 50, zolt::InterestCycle::Daily,
                                            zolt::InterestKind::Compound};

// Peak resident memory of the process so far, in kB (VmHWM).
long PeakKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

QPixmap Picture() {
    QPixmap picture(50, 50);
    picture.fill(Qt::darkCyan);
    return picture;
}

// The savings sheet's grid at the size the sheet opens with, with what it shows.
struct Grid {
    std::unique_ptr<zolt::SheetGrid> view = std::make_unique<zolt::SheetGrid>();
    std::unique_ptr<zolt::RateTermGrid> pages;

    zolt::SheetGrid* operator->() const { return view.get(); }
    void Show(const zolt::TableInputs& inputs) {
        auto table = std::make_shared<const zolt::RateTermTable>(zolt::BuildRateTermTable(inputs));
        pages->ShowTable(zolt::OverviewPage(table, inputs.cycle, view->Region()));
    }
    void Copy() const {
        pages->CopySelection([](int col) { return zolt::CopiedTermHeader(col, false); });
    }
};

Grid MakeGrid() {
    Grid grid;
    grid->SetWidthTwips(6870);
    grid->SetHeightTwips(4815);
    grid.pages = std::make_unique<zolt::RateTermGrid>(*grid.view, Picture());
    grid->show();
    // Painting needs a window the platform has exposed.
    for (int i = 0; i < 100 && !(grid->windowHandle() && grid->windowHandle()->isExposed()); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
    grid->repaint();
    return grid;
}

// Runs first, once: the peak grows only with what this process has not needed before.
void BM_PeakMemoryOfFullTable(benchmark::State& state) {
    auto grid = MakeGrid();
    const long before = PeakKb();
    for (auto _ : state) {
        grid.Show(kFullDailyTable);
        grid->repaint();
    }
    state.counters["peak_growth_MB"] = static_cast<double>(PeakKb() - before) / 1024.0;
}
BENCHMARK(BM_PeakMemoryOfFullTable)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ComputeShowAndPaint(benchmark::State& state) {
    auto grid = MakeGrid();
    for (auto _ : state) {
        grid.Show(kFullDailyTable);
        grid->repaint();
    }
}
BENCHMARK(BM_ComputeShowAndPaint)->Unit(benchmark::kMillisecond);

// The first table after a small one: the grid grows from 17 x 4 to 502 x 3651 cells.
void BM_ComputeShowAndPaintFromSmall(benchmark::State& state) {
    auto grid = MakeGrid();
    const zolt::TableInputs small{1000, 1, 3, 3, 4, zolt::InterestCycle::Daily, zolt::InterestKind::Compound};
    for (auto _ : state) {
        state.PauseTiming();
        grid.Show(small);
        grid->repaint();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        grid.Show(kFullDailyTable);
        grid->repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ComputeShowAndPaintFromSmall)->Unit(benchmark::kMillisecond);

// The parts of the above: the table, the grid filled, the paint.
void BM_ShowOverviewParts(benchmark::State& state) {
    auto grid = MakeGrid();
    double compute = 0, show = 0, paint = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        auto table = std::make_shared<const zolt::RateTermTable>(zolt::BuildRateTermTable(kFullDailyTable));
        compute += static_cast<double>(timer.nsecsElapsed()) / 1e6;
        timer.restart();
        grid.pages->ShowTable(zolt::OverviewPage(table, zolt::InterestCycle::Daily, grid->Region()));
        show += static_cast<double>(timer.nsecsElapsed()) / 1e6;
        timer.restart();
        grid->repaint();
        paint += static_cast<double>(timer.nsecsElapsed()) / 1e6;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["compute_ms"] = compute / n;
    state.counters["show_ms"] = show / n;
    state.counters["paint_ms"] = paint / n;
}
BENCHMARK(BM_ShowOverviewParts)->Unit(benchmark::kMillisecond);

// The largest tables the limits allow: 100 000 terms, and 6 000 000 cells (60 rates).
void BM_WidestTable(benchmark::State& state) {
    auto grid = MakeGrid();
    const zolt::TableInputs widest{1000, 1, 1e5, 0, state.range(0) / 10.0, zolt::InterestCycle::Yearly,
                                   zolt::InterestKind::Simple};
    if (zolt::CheckTableLimits(widest) != zolt::TableLimit::Ok) {
        state.SkipWithError("beyond the limits");
        return;
    }
    const long before = PeakKb();
    for (auto _ : state) {
        grid.Show(widest);
        grid->repaint();
        QCoreApplication::processEvents();
    }
    state.counters["peak_growth_MB"] = static_cast<double>(PeakKb() - before) / 1024.0;
}
BENCHMARK(BM_WidestTable)->Arg(0)->Arg(59)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_JumpToLastCellAndRepaint(benchmark::State& state) {
    auto grid = MakeGrid();
    grid.Show(kFullDailyTable);
    grid->repaint();
    bool last = false;
    for (auto _ : state) {
        // alternate between the last and the first cell so that every jump scrolls
        last = !last;
        const int row = last ? grid->Rows() - 1 : 1;
        const int col = last ? grid->Cols() - 1 : 1;
        grid->SetCurrentCell(row, col);
        grid->scrollTo(grid->model()->index(row - 1, col - 1));
        grid->repaint();
    }
}
BENCHMARK(BM_JumpToLastCellAndRepaint)->Unit(benchmark::kMillisecond);

void BM_Copy501x100(benchmark::State& state) {
    auto grid = MakeGrid();
    grid.Show(kFullDailyTable);
    grid->SetSelection(1, 1, 501, 100);
    qsizetype size = 0;
    for (auto _ : state) {
        grid.Copy();
        size = QGuiApplication::clipboard()->text().size();
    }
    state.counters["chars"] = static_cast<double>(size);
}
BENCHMARK(BM_Copy501x100)->Unit(benchmark::kMillisecond);

// Everything selected (the top-left corner selects all): 501 x 3650 cells.
void BM_CopyWholeTable(benchmark::State& state) {
    auto grid = MakeGrid();
    grid.Show(kFullDailyTable);
    grid->selectAll();
    const long before = PeakKb();
    for (auto _ : state) {
        grid.Copy();
    }
    state.counters["peak_growth_MB"] = static_cast<double>(PeakKb() - before) / 1024.0;
}
BENCHMARK(BM_CopyWholeTable)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
