#include "core/EffectiveRate.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zolt {

namespace {

using Wide = long double;

constexpr int kMaxSteps = 200;
// The search runs in y = ln(1 + X); a bracket of 1e-11 there fixes 1 + X to a relative 1e-11,
// so X to 1e-10 up to 900 %.
constexpr Wide kBracketWidth = 1e-11L;

// Present value of the payments at y = ln(1 + X), less the payout. Strictly falling in y.
// (1 + X)^(-m/12) = q^m with q = e^(-y/12), built up month by month.
Wide Excess(Wide y, Wide payout, std::span<const LoanPayment> payments) {
    const Wide q = std::exp(-y / 12.0L);
    Wide power = 1.0L;
    int at = 0;
    Wide sum = 0.0L;
    for (const LoanPayment& payment : payments) {
        const int gap = payment.month - at;
        power *= gap == 1 ? q : std::pow(q, static_cast<Wide>(gap));
        at = payment.month;
        if (payment.amount > 0.0) sum += static_cast<Wide>(payment.amount) * power;
    }
    return sum - payout;
}

}  // namespace

EffectiveRateResult EffectiveAnnualRate(double payout, std::span<const LoanPayment> payments) {
    EffectiveRateResult result;
    if (!std::isfinite(payout) || payout <= 0.0 || payments.empty()) return result;
    Wide total = 0.0L;
    int previous = 0;
    for (const LoanPayment& payment : payments) {
        if (payment.month <= previous || !std::isfinite(payment.amount) || payment.amount < 0.0) return result;
        previous = payment.month;
        total += payment.amount;
    }
    if (total <= 0.0L) return result;

    result.error = EffectiveRateError::None;
    if (total == static_cast<Wide>(payout)) return result;  // nothing paid beyond the payout: X = 0

    // The bracket. With P the sum of the payments, L = ln(P / payout) and t1 the time of the
    // first payment, every discount factor lies between 1 and e^(-y t1) (above for y < 0), so
    // the present value is at most P e^(-y t1) for y > 0 and at least that for y < 0. At
    // y = 2 L / t1 this bound is payout^2 / P, which is below the payout when P > payout and
    // above it when P < payout; at y = 0 the value is P itself. The root lies between.
    const Wide firstYears = static_cast<Wide>(payments.front().month) / 12.0L;
    const Wide bound = 2.0L * std::log(total / static_cast<Wide>(payout)) / firstYears;
    Wide lo = std::min(0.0L, bound);
    Wide hi = std::max(0.0L, bound);
    while (hi - lo > kBracketWidth) {
        if (result.steps == kMaxSteps) {
            result.error = EffectiveRateError::NotConverged;
            return result;
        }
        ++result.steps;
        const Wide mid = lo + (hi - lo) / 2.0L;
        (Excess(mid, payout, payments) > 0.0L ? lo : hi) = mid;
    }
    result.rate = static_cast<double>(std::expm1(lo + (hi - lo) / 2.0L));
    if (!std::isfinite(result.rate)) {
        result.error = EffectiveRateError::TooLarge;
        result.rate = 0;
    }
    return result;
}

EffectiveRateResult OfferEffectiveRate(double amount, double instalment, double months) {
    if (!std::isfinite(amount) || !std::isfinite(instalment) || !std::isfinite(months) || months < 1.0 ||
        months > kMaxOfferMonths || months != std::floor(months) || !(instalment > 0.0))
        return {};
    // In cents, so that instalments adding up to the amount compare exactly.
    const double instalmentCents = std::floor(instalment * 100.0 + 0.5);
    std::vector<LoanPayment> payments(static_cast<std::size_t>(months));
    for (std::size_t k = 0; k < payments.size(); ++k) payments[k] = {static_cast<int>(k) + 1, instalmentCents};
    return EffectiveAnnualRate(amount * 100.0, payments);
}

std::string EffectiveRateText(double rate, const RegionalSettings& region) {
    // Hundredths of a percent, a half going up; + 0.0 keeps a tiny negative rate from
    // showing as "-0,00".
    const double hundredths = std::floor(rate * 10000.0 + 0.5);
    const std::string number = FormatNumber(hundredths / 100.0 + 0.0, "###,###,##0.00", region);
    return number.empty() ? number : number + " %";
}

}  // namespace zolt
