#pragma once
// Target-sum saving: the instalment that, paid m times a year for n years at a nominal
// yearly rate credited with every payment, grows to a wished end sum.

#include "core/PaymentTiming.h"

namespace zolt {

struct TargetSumInputs {
    double endSum = 0;           // wished end sum E
    double paymentsPerYear = 0;  // m
    double years = 0;            // n
    double rate = 0;             // nominal percent per year p
    PaymentTiming timing = PaymentTiming::End;
};

enum class TargetSumError {
    None,
    NoPayments,  // m or n not above 0: there is no payment to spread the sum over
    NotFinite,   // the rate makes the instalment undefined or beyond the double range
};

struct TargetSumResult {
    TargetSumError error = TargetSumError::None;
    double instalment = 0;  // R
    double paidIn = 0;      // R × m × n
    double interest = 0;    // E − paid in
    bool ok() const { return error == TargetSumError::None; }
};

// i = p / (m × 100), N = m × n. Payments at the end: R = E × i / ((1 + i)^N − 1), the
// sinking-fund instalment (a spreadsheet's -PMT(i; N; 0; E)); at the beginning R / (1 + i).
// A rate of 0 spreads the sum evenly: R = E / N.
TargetSumResult ComputeTargetSum(const TargetSumInputs& in);

}  // namespace zolt
