// The bounded work of the annuity and capital-multiplication screens: the longest month
// table the annuity accepts, and the details list at its limit, computed and shown.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>

#include "core/Annuities.h"
#include "core/CapitalMultiple.h"
#include "ui/common/QtText.h"
#include "ui/common/RowListModel.h"

namespace {

// 10^10 withdrawals of a ten-thousandth: stops at the month limit.
void BM_CapitalAnnuityAtTheLimit(benchmark::State& state) {
    for (auto _ : state) {
        const zolt::CapitalAnnuityResult result = zolt::CapitalAnnuity({1'000'000, 0, 0.0001});
        benchmark::DoNotOptimize(result.capitals.data());
    }
}
BENCHMARK(BM_CapitalAnnuityAtTheLimit)->Unit(benchmark::kMillisecond);

void BM_AnnuityRowText(benchmark::State& state) {
    const zolt::CapitalAnnuityResult result = zolt::CapitalAnnuity({10'000, 6, 500});
    std::size_t line = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zolt::AnnuityTableLine(result, line));
        line = (line + 1) % zolt::AnnuityTableLineCount(result);
    }
}
BENCHMARK(BM_AnnuityRowText);

void BM_DetailLineText(benchmark::State& state) {
    const zolt::MultipleDetails details = zolt::CapitalMultipleDetails(5, 1e12);
    std::size_t line = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zolt::DetailLine(details, line));
        line = (line + 7919) % details.lines;
    }
}
BENCHMARK(BM_DetailLineText);

// The month table at its limit put into a shown list view and scrolled to its end.
void BM_MonthTableShown(benchmark::State& state) {
    zolt::CapitalAnnuityResult table;
    zolt::RowListModel model([&](int row) {
        const auto line = static_cast<std::size_t>(row);
        if (line < zolt::AnnuityTableLineCount(table)) return zolt::ToQ(zolt::AnnuityTableLine(table, line));
        return QStringLiteral("---> Klicke hier auf Liste, Ende");
    });
    QListView view;
    zolt::ShowRows(&view, &model);
    view.resize(450, 340);
    view.show();
    for (auto _ : state) {
        model.Reset(0, [&] { table = {}; });
        zolt::CapitalAnnuityResult result = zolt::CapitalAnnuity({1'000'000, 0, 0.0001});
        const auto lines = static_cast<int>(zolt::AnnuityTableLineCount(result)) + 1;
        model.Reset(lines, [&] { table = std::move(result); });
        view.scrollToBottom();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_MonthTableShown)->Unit(benchmark::kMillisecond);

// The details list at its limit (a multiple of 10^12) put into a shown list view.
void BM_DetailsListShown(benchmark::State& state) {
    zolt::MultipleDetails details;
    zolt::RowListModel model(
        [&](int row) { return zolt::ToQ(zolt::DetailLine(details, static_cast<std::size_t>(row))); });
    QListView view;
    zolt::ShowRows(&view, &model);
    view.resize(390, 100);
    view.show();
    for (auto _ : state) {
        model.Reset(0, [&] { details = {}; });
        zolt::MultipleDetails next = zolt::CapitalMultipleDetails(5, 1e12);
        model.Reset(static_cast<int>(next.lines), [&] { details = next; });
        view.scrollToBottom();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_DetailsListShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
