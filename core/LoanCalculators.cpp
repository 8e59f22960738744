#include "core/LoanCalculators.h"

#include <cmath>
#include <initializer_list>
#include <limits>

#include "core/LoanEngine.h"

namespace zolt {

namespace {

bool AllFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// The present value is summed in extended precision (long double): near small rates the
// rate moves the value only slightly, so every digit of the value is a digit of the rate.
using Wide = long double;

// phi(z) = (1 - e^-z) / z and its derivative. Near 0 both formulas cancel badly, so a
// Taylor series takes over there (its first omitted term is below 1e-18).
Wide Phi(Wide z) {
    if (std::fabs(z) < 0.05L) {
        // sum (-1)^k z^k / (k+1)!
        Wide term = 1.0L;
        Wide sum = 1.0L;
        for (int k = 1; k <= 11; ++k) {
            term *= -z / static_cast<Wide>(k + 1);
            sum += term;
        }
        return sum;
    }
    return -std::expm1(-z) / z;
}

Wide PhiDerivative(Wide z) {
    if (std::fabs(z) < 0.05L) {
        // sum_{k>=1} (-1)^k k z^(k-1) / (k+1)!
        Wide power = 1.0L;      // z^(k-1)
        Wide factorial = 2.0L;  // (k+1)!
        Wide sum = 0.0L;
        for (int k = 1; k <= 12; ++k) {
            sum += ((k % 2 == 1) ? -1.0L : 1.0L) * static_cast<Wide>(k) * power / factorial;
            power *= z;
            factorial *= static_cast<Wide>(k + 2);
        }
        return sum;
    }
    return (std::exp(-z) * (1.0L + z) - 1.0L) / (z * z);
}

// lambda(i) = ln(1 + i) / i and its derivative, again by series near 0.
Wide Lambda(Wide i) {
    if (std::fabs(i) < 1e-4L) {
        Wide sum = 0.0L;
        Wide power = 1.0L;
        for (int k = 1; k <= 6; ++k) {
            sum += ((k % 2 == 1) ? 1.0L : -1.0L) * power / static_cast<Wide>(k);
            power *= i;
        }
        return sum;
    }
    return std::log1p(i) / i;
}

Wide LambdaDerivative(Wide i) {
    if (std::fabs(i) < 1e-4L) {
        // d/di sum (-1)^(k+1) i^(k-1) / k
        Wide sum = 0.0L;
        Wide power = 1.0L;  // i^(k-2)
        for (int k = 2; k <= 7; ++k) {
            sum += ((k % 2 == 1) ? 1.0L : -1.0L) * static_cast<Wide>(k - 1) * power / static_cast<Wide>(k);
            power *= i;
        }
        return sum;
    }
    return (i / (1.0L + i) - std::log1p(i)) / (i * i);
}

struct Evaluation {
    Wide value = 0;       // present value of the instalments
    Wide derivative = 0;  // d value / d i
};

// The annuity factor a(i) = (1 - (1 + i)^-n) / i written as n * phi(n L) * L / i with
// L = ln(1 + i), so that neither tiny rates nor huge ones lose their digits.
Evaluation PresentValue(double instalment, double rate, double months, PaymentTiming timing) {
    const Wide t = timing == PaymentTiming::Beginning ? 1.0L : 0.0L;
    const Wide i = rate;
    const Wide n = months;
    const Wide r = instalment;
    const Wide z = n * std::log1p(i);
    const Wide phi = Phi(z);
    const Wide lambda = Lambda(i);
    const Wide factor = n * phi * lambda;
    const Wide factorDerivative = n * (PhiDerivative(z) * n * lambda / (1.0L + i) + phi * LambdaDerivative(i));
    Evaluation e;
    e.value = r * (1.0L + t * i) * factor;
    e.derivative = r * (t * factor + (1.0L + t * i) * factorDerivative);
    return e;
}

// The midpoint of two rates taken in the discount factor v = 1 / (1 + i): halves the
// v-interval whether the rates are tiny or enormous. Algebraically
// 1 / ((1/(1+lo) + 1/(1+hi)) / 2) - 1, written without cancellation.
double DiscountMidpoint(double lo, double hi) {
    if (std::isinf(hi)) return 1.0 + 2.0 * lo;
    return (lo + hi + 2.0 * lo * hi) / (2.0 + lo + hi);
}

}  // namespace

LoanTermResult ComputeLoanTerm(const LoanTermInputs& in) {
    LoanTermResult result;
    if (!AllFinite({in.amount, in.annualRatePercent, in.instalment})) return result;

    const double firstInterest = in.annualRatePercent / 1200.0 * in.amount;
    if (firstInterest >= in.instalment) {
        result.status = LoanTermStatus::InstalmentTooLow;
        return result;
    }
    const double i = in.annualRatePercent / 1200.0;
    double n = 0;
    if (i == 0.0) {
        // Without interest the instalments simply add up to the amount (R > 0 here).
        n = in.amount / in.instalment;
    } else {
        if (i <= -1.0) return result;
        // -ln(1 - K i / R) / ln(1 + i); log1p keeps small rates exact.
        n = -std::log1p(-in.amount * i / in.instalment) / std::log1p(i);
    }
    if (!std::isfinite(n) || n < 0.0) return result;
    n += 0.0;  // no negative zero on screen
    result.status = LoanTermStatus::Ok;
    result.months = n;
    result.wholeYears = std::floor(n / 12.0);
    // The default rounding mode rounds a half to the even neighbour: 35.5 - 24 = 11.5 -> 12.
    result.remainingMonths = std::nearbyint(n - result.wholeYears * 12.0) + 0.0;
    return result;
}

double InstalmentPresentValue(double instalment, double monthlyRate, double months, PaymentTiming timing) {
    return static_cast<double>(PresentValue(instalment, monthlyRate, months, timing).value);
}

LoanRateResult FindLoanRate(const LoanRateInputs& in, const RateSearchSettings& settings) {
    LoanRateResult result;
    const double K = in.amount;
    const double R = in.instalment;
    const double n = in.months;
    if (!AllFinite({K, R, n})) return result;

    if (R < K / 200.0) {
        result.status = LoanRateStatus::InstalmentBelowHalfPercent;
        return result;
    }
    if (R * n <= K) {
        result.status = LoanRateStatus::PaymentsNotAboveAmount;
        return result;
    }
    if (R * n >= 2.0 * K) {
        result.status = LoanRateStatus::PaymentsTooLarge;
        return result;
    }
    // From here K > 0, R > 0 and K < R n < 2 K (so 0 < n < 400).
    const bool beginning = in.timing == PaymentTiming::Beginning;

    // Bracket [lo, hi]: at i = 0 the instalments are worth R n > K. Above, the present value
    // is below R / i (end) or R (1 + i) / i (beginning), so these bounds are worth less than K.
    // With payments at the beginning the first instalment alone is worth R: if R >= K no
    // positive rate can balance the amount.
    double lo = 0.0;
    double hi = 0.0;
    if (beginning) {
        if (R >= K) {
            result.status = LoanRateStatus::NoSolution;
            return result;
        }
        hi = 2.0 * R / (K - R);
    } else {
        hi = 2.0 * R / K;
    }
    if (!std::isfinite(hi) || hi <= 0.0) return result;

    // What the arithmetic can tell apart: the value is known to a few units of its last
    // place; a step smaller than that divided by the slope is noise.
    const Wide valueNoise = 4.0L * std::numeric_limits<Wide>::epsilon() * (static_cast<Wide>(K) + static_cast<Wide>(R) * n);

    double x = 0.01;
    if (!(x < hi)) x = DiscountMidpoint(lo, hi);
    for (int evaluation = 1; evaluation <= settings.maxIterations; ++evaluation) {
        const Evaluation e = PresentValue(R, x, n, in.timing);
        result.iterations = evaluation;
        if (!std::isfinite(e.value) || !std::isfinite(e.derivative)) return result;
        const Wide g = e.value - static_cast<Wide>(K);
        if (g == 0.0L) {
            result.status = LoanRateStatus::Ok;
            result.monthlyRate = x;
            break;
        }
        if (g > 0.0L) lo = x;
        else hi = x;

        // Newton's step taken in the discount factor v = 1 / (1 + i), where the equation is
        // nearly linear both for tiny rates and for enormous ones (there Newton in i would
        // only creep). delta = -g / (g' (1 + i)); i' = (i + delta) / (1 - delta).
        double next = std::numeric_limits<double>::quiet_NaN();
        if (e.derivative < 0.0L) {
            const Wide delta = -g / (e.derivative * (1.0L + x));
            if (delta < 1.0L) next = static_cast<double>((x + delta) / (1.0L - delta));
        }
        if (std::isfinite(next)) {
            // Newton's own step says how far the root still is: below the tolerance, or below
            // what the arithmetic of the value can tell apart, the rate is resolved.
            const double step = std::fabs(next - x);
            const bool stepResolved = step <= settings.relativeTolerance * next;
            const bool noiseReached = static_cast<Wide>(step) * (1.0L + x) * std::fabs(e.derivative) <= valueNoise;
            if (stepResolved || noiseReached) {
                result.status = LoanRateStatus::Ok;
                result.monthlyRate = next;
                break;
            }
        }
        if (!(std::isfinite(next) && next > lo && next < hi)) next = DiscountMidpoint(lo, hi);
        if (hi - lo <= settings.relativeTolerance * hi) {
            result.status = LoanRateStatus::Ok;
            result.monthlyRate = DiscountMidpoint(lo, hi);
            break;
        }
        x = next;
    }
    if (result.status != LoanRateStatus::Ok) return result;
    result.annualPercent = result.monthlyRate * 12.0 * 100.0;
    if (!std::isfinite(result.annualPercent)) {
        result.status = LoanRateStatus::NotConverged;
        result.annualPercent = 0;
    }
    return result;
}

LoanOfferResult ComputeLoanOffer(const LoanOfferInputs& in) {
    LoanOfferResult result;
    if (!AllFinite({in.amount, in.feePercent, in.annualRatePercent, in.months})) return result;
    if (in.annualRatePercent < 0.0 || in.feePercent >= 100.0 || in.months <= 0.0) return result;

    // The gross loan keeps A after a fee of F percent of the gross loan itself.
    const double gross = in.amount / (1.0 - in.feePercent / 100.0);
    const double yearly = in.annualRatePercent > 0.0 ? in.annualRatePercent / 100.0 : 0.0;
    const double monthly = MonthlyPayment(gross, yearly / 12.0, in.months);
    // Without interest the instalments add up to the gross loan itself; G / N × N could miss
    // it by a rounding bit and show a "-0,00 €" of interest.
    const double total = yearly > 0.0 ? monthly * in.months : gross;

    result.grossLoan = gross;
    result.fee = gross - in.amount;
    result.instalment = monthly;
    result.total = total;
    result.interest = total - gross;
    result.status = AllFinite({result.grossLoan, result.fee, result.instalment, result.total, result.interest})
                        ? LoanOfferStatus::Ok
                        : LoanOfferStatus::NotComputable;
    return result;
}

}  // namespace zolt
