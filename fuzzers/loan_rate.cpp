// Any four doubles through the loan-rate search: amount K, instalment R, term n, and the payment
// timing (by the sign of the fourth). The search ends within its step limit with a refusal or
// with a monthly rate at which the n instalments repay K, so that the instalment computed back
// from that rate is R to 1e-6 relative.
//
// Raw doubles seldom meet the plausibility limits, so a second shape of input places R and n
// inside them: R between K / 200 and 2 K, and R n between K and 2 K.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>

#include "core/LoanCalculators.h"
#include "fuzzers/FuzzCheck.h"

namespace {

using zolt::LoanRateStatus;
using zolt::PaymentTiming;
using zolt::fuzz::Require;

// The instalment that repays `amount` over `months` at monthly rate i:
// K i / ((1 + i t) (1 - (1 + i)^-n)), the annuity written with expm1/log1p for small i n.
long double InstalmentAt(long double amount, long double i, long double months, PaymentTiming timing) {
    const long double t = timing == PaymentTiming::BeginningOfMonth ? 1.0L : 0.0L;
    const long double annuityFactor = -std::expm1(-months * std::log1p(i)) / i;
    return amount / ((1.0L + i * t) * annuityFactor);
}

bool Plausible(const zolt::LoanRateInputs& in) {
    const double K = in.amount, R = in.instalment, n = in.months;
    return K > 0 && R >= K / 200 && R * n > K && R * n < 2 * K;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool shaped = input.ConsumeBool();
    zolt::LoanRateInputs in;
    in.amount = input.ConsumeFloatingPoint<double>();
    if (shaped) {
        // R = K / 200 .. 2 K, then n = K / R .. 2 K / R.
        in.instalment = in.amount / 200.0 * (1.0 + 399.0 * input.ConsumeProbability<double>());
        in.months = in.amount / in.instalment * (1.0 + input.ConsumeProbability<double>());
    } else {
        in.instalment = input.ConsumeFloatingPoint<double>();
        in.months = input.ConsumeFloatingPoint<double>();
    }
    in.timing = std::signbit(input.ConsumeFloatingPoint<double>()) ? PaymentTiming::BeginningOfMonth
                                                                   : PaymentTiming::EndOfMonth;

    const zolt::RateSearchSettings settings;
    const zolt::LoanRateResult result = zolt::FindLoanRate(in, settings);
    Require(result.iterations >= 0 && result.iterations <= settings.maxIterations, "the search keeps its step limit");
    if (result.status != LoanRateStatus::Ok) {
        Require(result.annualPercent == 0, "a refusal shows no rate");
        // Loans of everyday size inside the limits have a rate, and the search must find it.
        const bool everyday = in.amount >= 1 && in.amount <= 1e12 && in.months >= 1;
        const bool hasRate = Plausible(in) && !(in.timing == PaymentTiming::BeginningOfMonth && in.instalment >= in.amount);
        Require(!(everyday && hasRate), "an everyday loan inside the limits gets its rate");
        return 0;
    }
    Require(Plausible(in), "only inputs inside the limits get a rate");
    Require(std::isfinite(result.monthlyRate) && result.monthlyRate > 0, "the rate is positive and finite");
    Require(std::isfinite(result.annualPercent), "the annual rate is finite");
    const long double back = InstalmentAt(in.amount, result.monthlyRate, in.months, in.timing);
    Require(std::fabs(back - in.instalment) <= 1e-6L * in.instalment, "the rate reproduces the instalment");
    return 0;
}
