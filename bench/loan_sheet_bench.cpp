// The loan sheet's largest work: the full instalment table (rates 0,1 … 25,0 × terms 1 … 600
// months) and a plan of 1200 months, each computed and, for the screen, also shown.
#include <benchmark/benchmark.h>

#include "core/LoanEngine.h"

namespace {

zolt::LoanSheetState LargestTable() {
    zolt::LoanSheetState state;
    state.Price = 250000;
    state.DownPayment = 10;
    state.RateMin = 0.1;
    state.RateMax = 25;
    state.TermMin = 1;
    state.TermMax = 600;
    state.TermUnit = zolt::LoanTermUnit::Months;
    zolt::ComputeLoanAmount(state);
    return state;
}

void BM_PaymentTable250x600(benchmark::State& run) {
    zolt::LoanSheetState state = LargestTable();
    for (auto _ : run) {
        if (zolt::BuildPaymentTable(state) != zolt::LoanError::None) run.SkipWithError("table refused");
        benchmark::DoNotOptimize(state.PaymentTable.Cells().data());
    }
}
BENCHMARK(BM_PaymentTable250x600)->Unit(benchmark::kMillisecond);

void BM_AmortizationPlan1200Months(benchmark::State& run) {
    zolt::LoanSheetState state = LargestTable();
    state.TermMin = 100;
    state.TermMax = 100;
    state.TermUnit = zolt::LoanTermUnit::Years;
    if (zolt::BuildPaymentTable(state) != zolt::LoanError::None) run.SkipWithError("table refused");
    for (auto _ : run) {
        if (zolt::BuildAmortizationPlan(state, 250, 1) != zolt::LoanError::None) run.SkipWithError("plan refused");
        const zolt::LoanPlanValues values = zolt::DerivePlanValues(state);
        benchmark::DoNotOptimize(values.TotalInterest.data());
    }
}
BENCHMARK(BM_AmortizationPlan1200Months)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
