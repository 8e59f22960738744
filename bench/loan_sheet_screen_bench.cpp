// The loan sheet as a user drives it: a table of all its rates (0,1 … 25,0) and
// terms 1 … 600 months requested and painted, and a plan of 1200 months requested and painted.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "ui/common/MessageBoxes.h"
#include "ui/common/ScreenSlots.h"
#include "ui/common/SheetGrid.h"
#include "ui/loans/LoanSheet.h"

namespace {

struct Screen {
    zolt::ScreenSlots screens;
    std::unique_ptr<zolt::LoanSheet> sheet = std::make_unique<zolt::LoanSheet>(screens);
    int boxes = 0;

    Screen() {
        zolt::SetBoxInterceptor([this](const zolt::ShownBox&) { ++boxes; });
        sheet->show();
    }
    ~Screen() { zolt::SetBoxInterceptor({}); }

    template <typename T>
    T* Get(const char* name) const { return sheet->findChild<T*>(QString::fromLatin1(name)); }

    void Fill(const char* lenMin, const char* lenMax, bool months) {
        Get<QAction>(months ? "mnuOptLen(1)" : "mnuOptLen(0)")->trigger();
        Get<QLineEdit>("txtPurchTotl")->setText(QStringLiteral("250000"));
        Get<QLineEdit>("txtDwnPay")->setText(QStringLiteral("10"));
        Get<QLineEdit>("txtLenMin")->setText(QString::fromLatin1(lenMin));
        Get<QLineEdit>("txtLenMax")->setText(QString::fromLatin1(lenMax));
        Choose("comIntrMin", 0);
        Choose("comIntrMax", 25);
    }
    // An item chosen from a rate list.
    void Choose(const char* list, int index) {
        auto* box = Get<QComboBox>(list);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // Paints the window as the screen would show it.
    void Paint() {
        sheet->repaint();
        QApplication::processEvents();
    }
};

void BM_ScreenLargestTable(benchmark::State& run) {
    Screen screen;
    for (auto _ : run) {
        run.PauseTiming();
        screen.Fill("1", "600", true);  // the minimum rate 0,0 becomes 0,1 at each request
        run.ResumeTiming();
        screen.Get<QPushButton>("cmdCalcPmts")->click();
        screen.Paint();
    }
    auto* grid = screen.Get<zolt::SheetGrid>("grdPayments");
    if (screen.boxes != 0 || grid->Rows() != 251 || grid->Cols() != 601) run.SkipWithError("table refused");
}
BENCHMARK(BM_ScreenLargestTable)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ScreenPlan1200Months(benchmark::State& run) {
    Screen screen;
    screen.Fill("100", "100", true);
    auto* grid = screen.Get<zolt::SheetGrid>("grdPayments");
    for (auto _ : run) {
        run.PauseTiming();
        // A 100-month column read in years after the unit switch: a plan of 1200 months.
        screen.Get<QAction>("mnuOptLen(1)")->trigger();
        screen.Get<QPushButton>("cmdCalcPmts")->click();
        screen.Get<QAction>("mnuOptLen(0)")->trigger();
        grid->SetCurrentCell(250, 1);
        run.ResumeTiming();
        emit grid->cellDoubleClicked(250, 1);  // the plan request of a double-click
        screen.Paint();
    }
    if (screen.boxes != 0 || grid->Rows() != 1201) run.SkipWithError("plan refused");
}
BENCHMARK(BM_ScreenPlan1200Months)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
