#pragma once
// The effective annual rate of a loan by the EU consumer-credit formula that the German
// price-display rules use: the rate X at which the payout equals the present value of all
// payments, each discounted by (1 + X)^-t with t in years since the payout.

#include <span>
#include <string>

#include "core/NumberRules.h"

namespace zolt {

// One payment of the borrower: `amount` (any currency unit, >= 0) at the end of month `month`
// (>= 1) after the payout, so at t = month / 12 years.
struct LoanPayment {
    int month = 0;
    double amount = 0;
};

enum class EffectiveRateError {
    None,
    InvalidPayments,  // no positive payout, no positive payment, a negative or non-finite amount,
                      // months not ascending or below 1, or an offer that is not 1 ... 1200 whole months
    NotConverged,     // the bracket did not shrink to the tolerance within the step limit
    TooLarge,         // the rate lies beyond what a double can show
};

struct EffectiveRateResult {
    EffectiveRateError error = EffectiveRateError::InvalidPayments;
    double rate = 0;  // X as a fraction per year (0.0356 for 3,56 %)
    int steps = 0;    // bisection steps used
};

// The longest offer the comparison's effective rate accepts, in months.
constexpr int kMaxOfferMonths = 1200;

// X solving payout = sum amount_k (1 + X)^(-month_k / 12), for payments in ascending months.
// Bisection inside a proven bracket, at most 200 steps, to 1e-10 (relative beyond 900 %).
// Payments summing to exactly the payout give exactly 0.
EffectiveRateResult EffectiveAnnualRate(double payout, std::span<const LoanPayment> payments);

// The effective rate of a loan offer: `amount` paid out, then `months` instalments of
// `instalment` rounded to the cent as shown (half up), at the ends of months 1 ... months.
EffectiveRateResult OfferEffectiveRate(double amount, double instalment, double months);

// The rate as shown: percent with two decimals, rounded half up, then " %" ("3,56 %").
std::string EffectiveRateText(double rate, const RegionalSettings& region = {});

}  // namespace zolt
