// The loan sheet's engine: an instalment table of all rates (0,1 … 25,0) × terms 1 … 600
// months, and a plan of 1200 months.
#include <benchmark/benchmark.h>

#include "core/LoanEngine.h"

namespace {

// 250000 less 10 %, rates from 0 (the table starts at 0,1) to 25, terms 1 … 600 months.
constexpr zolt::LoanTableInputs kLargestTable{225000, 1, 600, 0, 25, zolt::LoanTermUnit::Months};

void BM_PaymentTable250x600(benchmark::State& run) {
    for (auto _ : run) {
        const auto result = zolt::BuildPaymentTable(kLargestTable);
        if (result.error != zolt::LoanError::None) run.SkipWithError("table refused");
        benchmark::DoNotOptimize(result.value.Cells().data());
    }
}
BENCHMARK(BM_PaymentTable250x600)->Unit(benchmark::kMillisecond);

void BM_AmortizationPlan1200Months(benchmark::State& run) {
    const double payment = zolt::MonthlyPayment(225000, 25.0 / 1200.0, 1200);
    for (auto _ : run) {
        const auto result = zolt::BuildAmortizationPlan({225000, 25, payment, 100, zolt::LoanTermUnit::Years});
        if (result.error != zolt::LoanError::None) run.SkipWithError("plan refused");
        benchmark::DoNotOptimize(result.value.cells.data());
    }
}
BENCHMARK(BM_AmortizationPlan1200Months)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
