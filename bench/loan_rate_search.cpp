// The loan-rate search: time per search, and a sweep over a wide grid of inputs that pass
// the plausibility limits, reporting the most evaluations any of them needed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "core/LoanCalculators.h"

namespace {

using zolt::FindLoanRate;
using zolt::LoanRateInputs;
using zolt::LoanRateStatus;
using zolt::PaymentTiming;

// Inputs as the screen reads them: currency values with four decimals.
double Currency(double value) { return std::nearbyint(value * 10000.0) / 10000.0; }

std::vector<LoanRateInputs> SweepGrid() {
    const double amounts[] = {0.01, 1, 100, 1000, 10000, 123456.78, 1e6, 1e9, 1e12, 9e14};
    const double terms[] = {0.0001, 0.01, 0.5, 0.9999, 1, 1.0001, 1.5, 1.9999, 2, 2.5,
                            3, 6, 12, 24, 36, 60, 60.5, 120, 240, 360, 399, 399.99};
    // Where R n lies between K and 2 K (edges included as close as four decimals allow).
    const double fractions[] = {1e-15, 1e-12, 1e-9, 1e-6, 1e-4, 1e-3, 0.01, 0.05, 0.1, 0.2, 0.3, 0.5,
                                0.7, 0.9, 0.99, 0.999, 0.999999, 1 - 1e-9, 1 - 1e-12};
    std::vector<LoanRateInputs> grid;
    for (double k : amounts) {
        for (double n : terms) {
            for (double f : fractions) {
                for (PaymentTiming timing : {PaymentTiming::End, PaymentTiming::Beginning}) {
                    LoanRateInputs in;
                    in.amount = Currency(k);
                    in.months = n;
                    in.instalment = Currency(k / n * (1.0 + f));
                    in.timing = timing;
                    grid.push_back(in);
                    // The smallest and largest instalment around that point, a tenth of a cent apart.
                    in.instalment = Currency(in.instalment + 0.0001);
                    grid.push_back(in);
                }
            }
        }
    }
    // Random inputs over the whole plausible range, reproducible from a fixed seed: amounts
    // from a cent to the currency limit, terms from 0,0001 to 400 months, R n anywhere
    // between K and 2 K (half of them crowded against either edge).
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int c = 0; c < 200000; ++c) {
        LoanRateInputs in;
        in.amount = Currency(std::pow(10.0, -2.0 + unit(random) * 16.9));
        in.months = std::max(0.0001, Currency(std::pow(10.0, -4.0 + unit(random) * 6.6)));
        double f = unit(random);
        if (c % 4 == 1) f = std::pow(10.0, -15.0 * unit(random));
        if (c % 4 == 3) f = 1.0 - std::pow(10.0, -15.0 * unit(random));
        in.instalment = Currency(in.amount / in.months * (1.0 + f));
        in.timing = c % 2 ? PaymentTiming::Beginning : PaymentTiming::End;
        grid.push_back(in);
    }
    return grid;
}

struct SweepSummary {
    long searched = 0;  // inputs that passed the limits
    long solved = 0;
    long noSolution = 0;
    long notConverged = 0;
    int worstIterations = 0;
    LoanRateInputs worst;
    double worstResidual = 0;  // |PV(i) - K| / K over the solved cases
};

SweepSummary Sweep(const std::vector<LoanRateInputs>& grid) {
    SweepSummary s;
    for (const LoanRateInputs& in : grid) {
        const auto r = FindLoanRate(in);
        if (r.status == LoanRateStatus::InstalmentBelowHalfPercent || r.status == LoanRateStatus::PaymentsNotAboveAmount ||
            r.status == LoanRateStatus::PaymentsTooLarge)
            continue;
        ++s.searched;
        if (r.status == LoanRateStatus::NoSolution) ++s.noSolution;
        if (r.status == LoanRateStatus::NotConverged) ++s.notConverged;
        if (r.status == LoanRateStatus::Ok) {
            ++s.solved;
            const double pv = zolt::InstalmentPresentValue(in.instalment, r.monthlyRate, in.months, in.timing);
            s.worstResidual = std::max(s.worstResidual, std::fabs(pv - in.amount) / in.amount);
        }
        if (r.iterations > s.worstIterations) {
            s.worstIterations = r.iterations;
            s.worst = in;
        }
    }
    return s;
}

void BM_RateSearchWorkedExample(benchmark::State& state) {
    LoanRateInputs in{10000, 200, 60, state.range(0) ? PaymentTiming::Beginning : PaymentTiming::End};
    int iterations = 0;
    for (auto _ : state) {
        const auto r = FindLoanRate(in);
        iterations = r.iterations;
        benchmark::DoNotOptimize(r);
    }
    state.counters["evaluations"] = iterations;
}
BENCHMARK(BM_RateSearchWorkedExample)->Arg(0)->Arg(1);

void BM_RateSearchSweep(benchmark::State& state) {
    const auto grid = SweepGrid();
    SweepSummary s;
    for (auto _ : state) {
        s = Sweep(grid);
        benchmark::DoNotOptimize(s);
    }
    state.counters["inputs"] = static_cast<double>(grid.size());
    state.counters["searched"] = static_cast<double>(s.searched);
    state.counters["solved"] = static_cast<double>(s.solved);
    state.counters["no_solution"] = static_cast<double>(s.noSolution);
    state.counters["not_converged"] = static_cast<double>(s.notConverged);
    state.counters["worst_evals"] = s.worstIterations;
    state.counters["worst_rel_residual"] = s.worstResidual;
    state.SetItemsProcessed(state.iterations() * static_cast<long>(grid.size()));
    state.SetLabel("worst: K=" + std::to_string(s.worst.amount) + " R=" + std::to_string(s.worst.instalment) +
                   " n=" + std::to_string(s.worst.months) +
                   (s.worst.timing == PaymentTiming::Beginning ? " Anfang" : " Ende"));
}
BENCHMARK(BM_RateSearchSweep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
