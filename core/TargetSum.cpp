#include "core/TargetSum.h"

#include <cmath>

namespace zolt {

TargetSumResult ComputeTargetSum(const TargetSumInputs& in) {
    if (!(in.paymentsPerYear > 0) || !(in.years > 0)) return {.error = TargetSumError::NoPayments};
    const double periodRate = in.rate / (in.paymentsPerYear * 100);
    const double payments = in.paymentsPerYear * in.years;
    double instalment = 0;
    if (periodRate == 0) {
        instalment = in.endSum / payments;
    } else {
        // (1 + i)^N − 1 through expm1/log1p: exact to the last digits even when i is tiny,
        // where forming 1 + i first would lose most of i.
        const double growth = std::expm1(payments * std::log1p(periodRate));
        if (growth == 0) return {.error = TargetSumError::NotFinite};
        instalment = in.endSum * periodRate / growth;
        if (in.timing == PaymentTiming::Beginning) instalment /= 1 + periodRate;
    }
    // Without interest the instalments add up to the end sum itself; E / N × N could miss it
    // by a rounding bit and show a "-0,00 €" of interest.
    const double paidIn = periodRate == 0 ? in.endSum : instalment * in.paymentsPerYear * in.years;
    const double interest = in.endSum - paidIn;
    if (!std::isfinite(instalment) || !std::isfinite(paidIn) || !std::isfinite(interest)) {
        return {.error = TargetSumError::NotFinite};
    }
    return {.instalment = instalment, .paidIn = paidIn, .interest = interest};
}

}  // namespace zolt
