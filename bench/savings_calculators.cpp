// The worst inputs the savings calculators accept: a million rising-rate periods (one row
// per year, or one row for all), the row text of one table line, and one target-sum instalment.
#include <benchmark/benchmark.h>

#include "core/RisingRateSavings.h"
#include "core/SavingsBonds.h"
#include "core/TargetSum.h"

namespace {

zolt::RisingRateInputs WorstRisingRate(double perYear, double years) {
    zolt::RisingRateInputs in;
    in.amount = 1000;
    in.paymentsPerYear = perYear;
    in.years = years;
    in.baseRate = 0.05;
    in.thresholds = {1500, 2000, 3000, 4000};
    in.stepRates = {0.052, 0.054, 0.056, 0.058};  // stays finite over a million years
    return in;
}

void BM_RisingRateMillionYears(benchmark::State& state) {
    const auto in = WorstRisingRate(1, zolt::kMaxRisingRatePeriods);
    for (auto _ : state) {
        auto result = zolt::ComputeRisingRate(in);
        benchmark::DoNotOptimize(result.endAmount);
        state.counters["rows"] = static_cast<double>(result.years.size());
        state.counters["rowBytes"] = static_cast<double>(result.years.capacity() * sizeof(zolt::RisingRateYear));
    }
}
BENCHMARK(BM_RisingRateMillionYears)->Unit(benchmark::kMillisecond);

void BM_RisingRateMillionPeriodsOneYear(benchmark::State& state) {
    const auto in = WorstRisingRate(zolt::kMaxRisingRatePeriods, 1);
    for (auto _ : state) benchmark::DoNotOptimize(zolt::ComputeRisingRate(in).endAmount);
}
BENCHMARK(BM_RisingRateMillionPeriodsOneYear)->Unit(benchmark::kMillisecond);

void BM_RisingRateRowText(benchmark::State& state) {
    const zolt::RisingRateYear row{1234.5678, 98765.4321};
    for (auto _ : state) benchmark::DoNotOptimize(zolt::RisingRateRowText(42, row));
}
BENCHMARK(BM_RisingRateRowText);

void BM_TargetSum(benchmark::State& state) {
    const zolt::TargetSumInputs in{10000, 12, 10, 6, zolt::PaymentTiming::Beginning};
    for (auto _ : state) benchmark::DoNotOptimize(zolt::ComputeTargetSum(in).instalment);
}
BENCHMARK(BM_TargetSum);

void BM_SavingsBondTypeB(benchmark::State& state) {
    const zolt::SavingsBondInputs in{zolt::BondType::B, 1000, {1, 2, 3, 4, 5, 6, 7}};
    for (auto _ : state) benchmark::DoNotOptimize(zolt::ComputeSavingsBond(in).endAmount);
}
BENCHMARK(BM_SavingsBondTypeB);

}  // namespace

BENCHMARK_MAIN();
