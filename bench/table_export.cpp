// Tables leaving the program: the largest savings table (501 rates x 3650 days) as CSV, with
// the growth of the process's peak memory; a plan of 1200 months as PDF; the chart of such a
// plan until painted, with its stacked parts as areas and, for comparison, as Qt Charts'
// stacked bars. The largest table once more as the savings sheet describes it (its grid page);
// the longest lists of two calculators as CSV through their screens' action.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBarCategoryAxis>
#include <QAbstractButton>
#include <QAction>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPdfWriter>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <array>
#include <memory>
#include <string>

#include <sys/resource.h>

#include "core/InterestEngine.h"
#include "ui/common/RateTermGrid.h"
#include "ui/common/TableExport.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/frmDiagramm.h"
#include "ui/misc/frmRente.h"
#include "ui/savings/ZinsSheetGrid.h"
#include "ui/savings/frmExtra.h"

namespace {

constexpr zolt::TableInputs kFullDailyTable{
    1000, 1, 3650, 0, 50, zolt::InterestCycle::Daily, zolt::InterestKind::Compound};

// Peak resident memory of the process so far, in kB.
long PeakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QString TempPath(const char* name) { return QDir::temp().filePath(QString::fromLatin1(name)); }

// The savings overview as the sheet would describe it: the rate label, then one column per term.
zolt::ExportTable Overview(const std::shared_ptr<const zolt::RateTermTable>& table) {
    zolt::ExportTable out{QStringLiteral("Endkapital"), QStringLiteral("Spareinlagen"), {}, {}, 0, {}, {}};
    out.columns.push_back({QStringLiteral("Zinssatz"), zolt::ExportKind::Percent, 1});
    for (std::size_t j = 1; j <= table->termCount; ++j)
        out.columns.push_back({QStringLiteral("%1 Tage").arg(table->Term(j)), zolt::ExportKind::Amount, 2});
    out.rows = static_cast<qsizetype>(table->rateCount);
    out.cell = [table](qsizetype row, int col) -> zolt::ExportCell {
        return table->At(static_cast<std::size_t>(row) + 1, static_cast<std::size_t>(col));
    };
    return out;
}

// A plan of 1200 months: 300 000 at 3 % p.a. paid off by a fixed monthly rate.
zolt::ExportTable Plan() {
    auto rows = std::make_shared<std::vector<std::array<double, 4>>>();
    double debt = 300000;
    for (int k = 0; k < 1200; ++k) {
        const double interest = debt * 0.03 / 12;
        const double principal = std::min(770.0 - interest, debt);
        debt -= principal;
        rows->push_back({770.0, interest, principal, debt});
    }
    zolt::ExportTable plan{QStringLiteral("Tilgungsplan"),
                           QStringLiteral("Baufinanzierung"),
                           {QStringLiteral("Darlehen: 300.000,00 \u20AC"), QStringLiteral("Sollzins: 3,00 %")},
                           {{QStringLiteral("Monat"), zolt::ExportKind::Text, 0},
                            {QStringLiteral("Rate"), zolt::ExportKind::Amount, 2},
                            {QStringLiteral("Zinsen"), zolt::ExportKind::Amount, 2},
                            {QStringLiteral("Tilgung"), zolt::ExportKind::Amount, 2},
                            {QStringLiteral("Restschuld"), zolt::ExportKind::Amount, 2}},
                           1200,
                           {},
                           {}};
    plan.cell = [rows](qsizetype row, int col) -> zolt::ExportCell {
        if (col == 0) return QStringLiteral("%1.%2").arg(row % 12 + 1, 2, 10, QChar(u'0')).arg(2026 + row / 12);
        return (*rows)[static_cast<std::size_t>(row)][static_cast<std::size_t>(col - 1)];
    };
    return plan;
}

const zolt::ChartSpec kPlanChart{QStringLiteral("Tilgungsplan"),
                                 QStringLiteral("Monat"),
                                 QStringLiteral("Restschuld"),
                                 QStringLiteral("Zinsen und Tilgung"),
                                 -1,
                                 {{QStringLiteral("Restschuld"), zolt::ChartSeries::Kind::Line, 4},
                                  {QStringLiteral("Zinsen"), zolt::ChartSeries::Kind::Stacked, 2},
                                  {QStringLiteral("Tilgung"), zolt::ChartSeries::Kind::Stacked, 3}},
                                 119,
                                 QStringLiteral("Ende der Zinsbindung")};

// Runs first, once: the peak grows only with what this process has not needed before.
void BM_CsvLargestTablePeakMemory(benchmark::State& state) {
    const auto table = std::make_shared<const zolt::RateTermTable>(zolt::BuildRateTermTable(kFullDailyTable));
    const zolt::ExportTable overview = Overview(table);
    const long before = PeakKb();
    for (auto _ : state) {
        if (!zolt::WriteCsv(overview, TempPath("zolt_bench.csv")).ok) state.SkipWithError("not written");
    }
    state.counters["peak_growth_MB"] = static_cast<double>(PeakKb() - before) / 1024.0;
    state.counters["file_MB"] = static_cast<double>(QFileInfo(TempPath("zolt_bench.csv")).size()) / 1e6;
}
BENCHMARK(BM_CsvLargestTablePeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_CsvLargestTable(benchmark::State& state) {
    const auto table = std::make_shared<const zolt::RateTermTable>(zolt::BuildRateTermTable(kFullDailyTable));
    const zolt::ExportTable overview = Overview(table);
    for (auto _ : state) zolt::WriteCsv(overview, TempPath("zolt_bench.csv"));
}
BENCHMARK(BM_CsvLargestTable)->Unit(benchmark::kMillisecond);

// Through the page the savings sheet shows and exports: the rate and term columns are read
// through the page's functions. Run it alone for its peak growth
// (--benchmark_filter=SheetPage): the peak of the runs before it hides its own.
void BM_CsvLargestTableThroughSheetPage(benchmark::State& state) {
    const auto table = std::make_shared<const zolt::RateTermTable>(zolt::BuildRateTermTable(kFullDailyTable));
    const long before = PeakKb();
    for (auto _ : state) {
        const zolt::ExportTable overview =
            zolt::ExportOf(zolt::OverviewPage(table, kFullDailyTable.cycle, {}), QStringLiteral("Spareinlagen"));
        if (!zolt::WriteCsv(overview, TempPath("zolt_bench.csv")).ok) state.SkipWithError("not written");
    }
    state.counters["peak_growth_MB"] = static_cast<double>(PeakKb() - before) / 1024.0;
}
BENCHMARK(BM_CsvLargestTableThroughSheetPage)->Unit(benchmark::kMillisecond);

void BM_PdfPlan1200Months(benchmark::State& state) {
    const zolt::ExportTable plan = Plan();
    for (auto _ : state) zolt::WritePdf(plan, TempPath("zolt_bench.pdf"));
    state.counters["file_kB"] = static_cast<double>(QFileInfo(TempPath("zolt_bench.pdf")).size()) / 1e3;
}
BENCHMARK(BM_PdfPlan1200Months)->Unit(benchmark::kMillisecond);

// The 3650 terms do not fit a page: bands of columns, each repeating the rate column.
void BM_PdfLargestTable(benchmark::State& state) {
    const auto table = std::make_shared<const zolt::RateTermTable>(zolt::BuildRateTermTable(kFullDailyTable));
    const zolt::ExportTable overview = Overview(table);
    int pages = 0;
    for (auto _ : state) {
        QPdfWriter pdf(TempPath("zolt_bench.pdf"));
        zolt::SetUpPage(pdf, overview);
        pages = zolt::PaintTable(pdf, overview);
    }
    state.counters["pages"] = pages;
    state.counters["file_MB"] = static_cast<double>(QFileInfo(TempPath("zolt_bench.pdf")).size()) / 1e6;
}
BENCHMARK(BM_PdfLargestTable)->Iterations(1)->Unit(benchmark::kMillisecond);

// From the chart action to the window painted.
void BM_ChartPlan1200Months(benchmark::State& state) {
    const zolt::ExportTable plan = Plan();
    zolt::frmDiagramm window(QStringLiteral("Export Fehlernachricht"));
    for (auto _ : state) {
        window.ShowChart(plan, kPlanChart);
        QCoreApplication::processEvents();  // the chart lays itself out on posted events
        window.repaint();
    }
}
BENCHMARK(BM_ChartPlan1200Months)->Unit(benchmark::kMillisecond);

// The stacked parts as Qt Charts' stacked bars, one bar per month: why the chart draws areas.
void BM_ChartStackedBars1200Months(benchmark::State& state) {
    const zolt::ExportTable plan = Plan();
    QChartView view;
    view.resize(880, 560);
    view.show();
    for (auto _ : state) {
        auto* chart = new QChart;
        auto* bars = new QStackedBarSeries;
        for (const int col : {2, 3}) {
            auto* set = new QBarSet(plan.columns[static_cast<std::size_t>(col)].header);
            for (qsizetype row = 0; row < plan.rows; ++row) set->append(std::get<double>(plan.cell(row, col)));
            bars->append(set);
        }
        chart->addSeries(bars);
        auto* months = new QBarCategoryAxis;
        for (qsizetype row = 0; row < plan.rows; ++row) months->append(QString::number(row + 1));
        chart->addAxis(months, Qt::AlignBottom);
        bars->attachAxis(months);
        auto* amounts = new QValueAxis;
        chart->addAxis(amounts, Qt::AlignLeft);
        bars->attachAxis(amounts);
        QChart* previous = view.chart();
        view.setChart(chart);
        delete previous;
        QCoreApplication::processEvents();
        view.repaint();
    }
}
BENCHMARK(BM_ChartStackedBars1200Months)->Unit(benchmark::kMillisecond);

// The screen computes its list from the entries (name, text), then its CSV action writes it.
void BM_CsvCalculatorList(benchmark::State& state, QWidget* screen,
                          std::vector<std::pair<const char*, const char*>> entries, const char* button) {
    zolt::SetBoxInterceptor([](const zolt::ShownBox&) {});  // the note at the capital annuity's month limit
    for (const auto& [name, text] : entries) {
        if (auto* combo = screen->findChild<QComboBox*>(QString::fromLatin1(name))) combo->setEditText(QString::fromUtf8(text));
        else screen->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    }
    screen->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
    zolt::SetBoxInterceptor({});
    zolt::SetSaveNameChooser([](auto*, auto&, auto&, auto&) { return TempPath("zolt_bench.csv"); });
    auto* csv = screen->findChild<QWidget*>(QStringLiteral("Liste1"))->findChild<QAction*>(QStringLiteral("actExportCsv"));
    for (auto _ : state) csv->trigger();
    zolt::SetSaveNameChooser({});
    state.counters["file_MB"] = static_cast<double>(QFileInfo(TempPath("zolt_bench.csv")).size()) / 1e6;
    delete screen;
}
// 1.200.000 months: the month limit, reached by a withdrawal of a hundredth of a cent.
BENCHMARK_CAPTURE(BM_CsvCalculatorList, annuity_1200000_months, new zolt::frmRente,
                  {{"Text5", "1.000.000"}, {"Kombi1", "0"}, {"Text6", "0,0001"}}, "Befehl2")
    ->Iterations(3)->Unit(benchmark::kMillisecond);
// 1.000.000 years, one interest payment each, at a rate small enough to stay finite.
BENCHMARK_CAPTURE(BM_CsvCalculatorList, rising_rate_1000000_years, new zolt::frmExtra,
                  {{"Text1", "1000"}, {"Text4", "1"}, {"Kombi5", "0,0001"}, {"Text5", "1000000"}}, "Befehl1")
    ->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const bool run = !benchmark::ReportUnrecognizedArguments(argc, argv);
    if (run) benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const char* name : {"zolt_bench.csv", "zolt_bench.pdf"}) QFile::remove(TempPath(name));
    return run ? 0 : 1;
}
