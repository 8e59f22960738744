// The full end-capital table of the savings sheet (rates 0 to 50 in steps of 0.1, daily
// cycle over 3650 days) against a bare loop of as many std::pow calls.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "core/InterestEngine.h"

namespace {

constexpr zolt::TableInputs kFullDailyTable{1000, 1, 3650, 0, 50, zolt::InterestCycle::Daily,
                                            zolt::InterestKind::Compound};

void BM_FullDailyTable(benchmark::State& state) {
    for (auto _ : state) {
        zolt::RateTermTable table = zolt::BuildRateTermTable(kFullDailyTable);
        benchmark::DoNotOptimize(table.cells.data());
        benchmark::ClobberMemory();
    }
    state.counters["cells"] = 501.0 * 3650.0;
}
BENCHMARK(BM_FullDailyTable)->Unit(benchmark::kMillisecond);

// The same 501 x 3650 powers written into a buffer that exists already: the floor that
// the table's own work (allocation, headers, rates) adds to.
void BM_BarePowLoop(benchmark::State& state) {
    std::vector<double> out(3650);
    for (auto _ : state) {
        for (int i = 0; i < 501; ++i) {
            const double q = 1.0 + (i / 10.0) / (1200.0 / zolt::kDailyMonths);
            for (int j = 0; j < 3650; ++j) out[static_cast<std::size_t>(j)] = std::pow(q, static_cast<double>(j + 1));
            benchmark::DoNotOptimize(out.data());
            benchmark::ClobberMemory();
        }
    }
    state.counters["cells"] = 501.0 * 3650.0;
}
BENCHMARK(BM_BarePowLoop)->Unit(benchmark::kMillisecond);

void BM_CheckTableLimits(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(zolt::CheckTableLimits(kFullDailyTable));
}
BENCHMARK(BM_CheckTableLimits);

void BM_DetailPlan3650Days(benchmark::State& state) {
    for (auto _ : state) {
        zolt::DetailPlan plan =
            zolt::BuildDetailPlan(1000, 50, 3650, zolt::InterestCycle::Daily, zolt::InterestKind::Compound);
        benchmark::DoNotOptimize(plan.shown.data());
    }
}
BENCHMARK(BM_DetailPlan3650Days)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
