#pragma once
// The arithmetic of the three small loan calculators: the term of a loan, the interest rate
// of a loan, and one offer of the loan comparison. Inputs are the values the screens read
// (currency readings widened to doubles); results carry their own status, never exceptions.

#include "core/PaymentTiming.h"

namespace zolt {

// ---- Loan term -----------------------------------------------------------------------------

enum class LoanTermStatus {
    Ok,
    InstalmentTooLow,  // the instalment does not exceed the first month's interest: no repayment
    NoTerm,            // no finite, non-negative term exists (negative amount, rate of -1200 % or less)
};

struct LoanTermInputs {
    double amount = 0;             // K
    double annualRatePercent = 0;  // p, nominal, percent per year
    double instalment = 0;         // R, paid at the end of each month
};

struct LoanTermResult {
    LoanTermStatus status = LoanTermStatus::NoTerm;
    double months = 0;           // n, as a real number
    double wholeYears = 0;       // floor(n / 12)
    double remainingMonths = 0;  // n - 12 * wholeYears, rounded half to even (may be 12)
};

// n = -ln(1 - K i / R) / ln(1 + i) with i = p / 1200; with a rate of 0 simply K / R.
LoanTermResult ComputeLoanTerm(const LoanTermInputs& in);

// ---- Loan interest rate -----------------------------------------------------------------------

enum class LoanRateStatus {
    Ok,
    InstalmentBelowHalfPercent,  // R < K / 200
    PaymentsNotAboveAmount,      // R n <= K
    PaymentsTooLarge,            // R n >= 2 K
    NoSolution,                  // payments at the beginning with R >= K: no positive rate repays K
    NotConverged,                // the search ran out of steps (or met a non-finite value)
};

struct LoanRateInputs {
    double amount = 0;      // K
    double instalment = 0;  // R
    double months = 0;      // n, may carry decimals
    PaymentTiming timing = PaymentTiming::End;  // of each month
};

struct RateSearchSettings {
    int maxIterations = 50;            // evaluations of the annuity equation
    double relativeTolerance = 1e-12;  // on the monthly rate
};

struct LoanRateResult {
    LoanRateStatus status = LoanRateStatus::NotConverged;
    double monthlyRate = 0;    // i
    double annualPercent = 0;  // i * 12 * 100, nominal
    int iterations = 0;        // evaluations used
};

// The plausibility limits in their order, then the root i > 0 of
//   K - R (1 + i t) (1 - (1 + i)^-n) / i = 0      (t = 1 for payments at the beginning)
// by safeguarded Newton from i = 0.01 with a bracketing fallback.
LoanRateResult FindLoanRate(const LoanRateInputs& in, const RateSearchSettings& settings = {});

// The present value of n instalments R at monthly rate i (> 0): what the search balances
// against K. Exposed for tests and the sweep.
double InstalmentPresentValue(double instalment, double monthlyRate, double months, PaymentTiming timing);

// ---- Loan comparison, one offer ---------------------------------------------------------------

enum class LoanOfferStatus {
    Ok,
    Refused,        // negative rate, fee of 100 % or more, or a term of 0 months or less
    NotComputable,  // the result would not be a finite number
};

struct LoanOfferInputs {
    double amount = 0;             // A, paid out
    double feePercent = 0;         // F, of the gross loan
    double annualRatePercent = 0;  // P; 0 computes without interest
    double months = 0;             // N
};

struct LoanOfferResult {
    LoanOfferStatus status = LoanOfferStatus::Refused;
    double grossLoan = 0;   // G = A / (1 - F / 100)
    double fee = 0;         // G - A
    double instalment = 0;  // the annuity of G over N months, payments at the end of the month
    double total = 0;       // instalment * N
    double interest = 0;    // total - G (the fee is not interest)
};

LoanOfferResult ComputeLoanOffer(const LoanOfferInputs& in);

}  // namespace zolt
