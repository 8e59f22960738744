// The savings sheet as a user drives it, with the largest usual table: 501 rates (0 to 50 %)
// x 3650 days, daily cycle. A press of "ZINSESZINS" runs the checks, the engine and the grid
// and ends when the window has painted; then the jump to the last cell (Ctrl+End) with its
// repaint, and "Kopieren" of a 501 x 100 block. The peak-memory growth of the first press is
// measured first, before anything else has raised the process's peak.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QKeyEvent>
#include <QWindow>
#include <fstream>
#include <memory>
#include <string>

#include "app/ScreenTable.h"
#include "ui/common/Layout.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ScreenSlots.h"
#include "ui/common/SheetGrid.h"
#include "ui/savings/ZinsSheet.h"

namespace {

// Peak resident memory of the process so far, in kB (VmHWM).
long PeakKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

// The sheet opened from its slot with the daily cycle, 1000, days 1 to 3650, rates 0 to 50.
struct SheetUnderTest {
    zolt::ScreenSlots screens;
    QWidget* window = nullptr;
    zolt::SheetGrid* grid = nullptr;
    QPushButton* compute = nullptr;
    QAction* copy = nullptr;
    int boxes = 0;

    SheetUnderTest() {
        // A message box would stop the run; count them instead (there must be none).
        zolt::SetBoxInterceptor([this](const zolt::ShownBox&) { ++boxes; });
        zolt::RegisterScreens(screens);
        window = screens.Open(zolt::ScreenId::ZinsSheet);
        for (int i = 0; i < 100 && !(window->windowHandle() && window->windowHandle()->isExposed()); ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        grid = window->findChild<zolt::SheetGrid*>(QStringLiteral("grdPayments"));
        compute = window->findChild<QPushButton*>(QStringLiteral("cmdCalcPmts"));
        copy = window->findChild<QAction*>(QStringLiteral("mnuOptCopy"));
        window->findChild<QAction*>(zolt::ArrayName(QStringLiteral("mnuOptLen"), 6))->trigger();
        window->findChild<QLineEdit*>(QStringLiteral("txtPurchTotl"))->setText(QStringLiteral("1000"));
        window->findChild<QLineEdit*>(QStringLiteral("txtLenMin"))->setText(QStringLiteral("1"));
        window->findChild<QLineEdit*>(QStringLiteral("txtLenMax"))->setText(QStringLiteral("3650"));
        Choose(QStringLiteral("comIntrMax"), 50);
        Choose(QStringLiteral("comIntrMin"), 0);
        QCoreApplication::processEvents();
        window->repaint();
    }
    ~SheetUnderTest() { zolt::SetBoxInterceptor({}); }

    // An item chosen from a rate list.
    void Choose(const QString& list, int index) const {
        auto* box = window->findChild<QComboBox*>(list);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    void PressAndPaint() {
        compute->click();
        window->repaint();
    }
};

void BM_PeakMemoryOfFirstPress(benchmark::State& state) {
    SheetUnderTest sheet;
    const long before = PeakKb();
    for (auto _ : state) sheet.PressAndPaint();
    state.counters["peak_growth_MB"] = static_cast<double>(PeakKb() - before) / 1024.0;
    state.counters["rows"] = sheet.grid->Rows();
    state.counters["cols"] = sheet.grid->Cols();
    if (sheet.boxes != 0) state.SkipWithError("the sheet refused the table");
}
BENCHMARK(BM_PeakMemoryOfFirstPress)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PressZinseszinsUntilPainted(benchmark::State& state) {
    SheetUnderTest sheet;
    for (auto _ : state) sheet.PressAndPaint();
    if (sheet.boxes != 0) state.SkipWithError("the sheet refused the table");
}
BENCHMARK(BM_PressZinseszinsUntilPainted)->Unit(benchmark::kMillisecond);

void BM_JumpToLastCellAndRepaint(benchmark::State& state) {
    SheetUnderTest sheet;
    sheet.PressAndPaint();
    sheet.grid->setFocus();
    bool last = false;
    for (auto _ : state) {
        // Alternately Ctrl+End and Ctrl+Home, so that every jump scrolls the whole table.
        last = !last;
        QKeyEvent press(QEvent::KeyPress, last ? Qt::Key_End : Qt::Key_Home, Qt::ControlModifier);
        QCoreApplication::sendEvent(sheet.grid, &press);
        sheet.grid->repaint();
    }
    if (sheet.grid->Row() != 1 && sheet.grid->Row() != 501) state.SkipWithError("the jump did not arrive");
}
BENCHMARK(BM_JumpToLastCellAndRepaint)->Unit(benchmark::kMillisecond);

void BM_Copy501x100(benchmark::State& state) {
    SheetUnderTest sheet;
    sheet.PressAndPaint();
    sheet.grid->SetSelection(1, 1, 501, 100);
    qsizetype size = 0;
    for (auto _ : state) {
        sheet.copy->trigger();
        size = QGuiApplication::clipboard()->text().size();
    }
    state.counters["chars"] = static_cast<double>(size);
}
BENCHMARK(BM_Copy501x100)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zolt::InstallFontSubstitutes();
    QApplication::setFont(zolt::DialogFont());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
