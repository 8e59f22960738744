#include "core/LoanEngine.h"

#include <cmath>
#include <initializer_list>

namespace zolt {

double MonthlyPayment(double amount, double monthlyRate, double months) {
    if (monthlyRate == 0.0) return amount / months;
    return amount * monthlyRate / (1.0 - 1.0 / std::pow(1.0 + monthlyRate, months));
}

double TermInMonths(double term, LoanTermUnit unit) { return unit == LoanTermUnit::Years ? term * 12.0 : term; }

double TableRateMin(double rateMin) { return rateMin <= 0.0 ? kLowestLoanRate : rateMin; }

DownPaymentCheck CheckDownPayment(double price, double downPayment, LoanDownPaymentMode mode) {
    // Written so that a NaN fails every check instead of passing them all.
    if (mode == LoanDownPaymentMode::Percent && !(downPayment <= 99.0)) return DownPaymentCheck::AbovePercentLimit;
    if (mode == LoanDownPaymentMode::Amount && downPayment > price) return DownPaymentCheck::AbovePrice;
    if (!(downPayment >= 0.0)) return DownPaymentCheck::Negative;
    return DownPaymentCheck::Ok;
}

double LoanAmount(double price, double downPayment, LoanDownPaymentMode mode) {
    return mode == LoanDownPaymentMode::Percent ? price * (1.0 - downPayment / 100.0) : price - downPayment;
}

LoanPaymentTable::LoanPaymentTable(const LoanTableInputs& in, int rateCount, int termCount)
    : loanAmount_(in.loanAmount),
      termUnit_(in.termUnit),
      rateCount_(rateCount),
      termCount_(termCount),
      cells_(static_cast<std::size_t>(rateCount + 1) * static_cast<std::size_t>(termCount + 1), 0.0) {}

LoanResult<LoanPaymentTable> BuildPaymentTable(const LoanTableInputs& in) {
    const double rateMin = TableRateMin(in.rateMin);
    // The rates come in tenths from the lists, so their count is rounded to the nearest whole
    // number: (10 − 0.1) × 10 is not exactly 99 in binary. Terms step by whole units from the
    // minimum; a fractional maximum ends the range at the last step inside it.
    const double rateSteps = std::round((in.rateMax - rateMin) * 10.0);
    const double termSteps = std::floor(in.termMax - in.termMin + 1e-9);
    if (!std::isfinite(rateSteps) || !std::isfinite(termSteps) || !std::isfinite(in.loanAmount)) {
        return {LoanError::NotFinite, {}};
    }
    if (rateSteps < 0.0 || termSteps < 0.0 || !(in.termMin > 0.0)) return {LoanError::EmptyRange, {}};
    if (rateSteps + 1.0 > kMaxLoanRateRows || termSteps + 1.0 > kMaxLoanTermColumns) {
        return {LoanError::TableTooLarge, {}};
    }

    const int rateCount = static_cast<int>(rateSteps) + 1;
    const int termCount = static_cast<int>(termSteps) + 1;
    LoanResult<LoanPaymentTable> result{LoanError::None, LoanPaymentTable(in, rateCount, termCount)};
    LoanPaymentTable& table = result.value;
    // Each rate is computed from the minimum, not by adding 0,1 row after row: the sum would
    // drift, and the plan's caption, which shows the rate unrounded, would show the drift.
    for (int i = 1; i <= rateCount; ++i) table.At(i, 0) = rateMin + static_cast<double>(i - 1) / 10.0;
    for (int j = 1; j <= termCount; ++j) table.At(0, j) = in.termMin + static_cast<double>(j - 1);

    for (int i = 1; i <= rateCount; ++i) {
        const double monthlyRate = table.Rate(i) / 1200.0;
        for (int j = 1; j <= termCount; ++j) {
            const double payment = MonthlyPayment(in.loanAmount, monthlyRate, TermInMonths(table.Term(j), in.termUnit));
            if (!std::isfinite(payment)) return {LoanError::NotFinite, {}};
            table.At(i, j) = payment;
        }
    }
    return result;
}

LoanResult<LoanPlan> BuildAmortizationPlan(const LoanPlanInputs& in) {
    const double monthlyRate = in.annualRate / 1200.0;
    const double months = TermInMonths(in.term, in.termUnit);
    for (double value : {in.loanAmount, in.payment, monthlyRate, months}) {
        if (!std::isfinite(value)) return {LoanError::NotFinite, {}};
    }
    if (months > kMaxLoanPlanMonths) return {LoanError::PlanTooLong, {}};

    LoanResult<LoanPlan> result;
    LoanPlan& plan = result.value;
    plan.annualRate = in.annualRate;
    plan.payment = in.payment;
    plan.months = months;
    // A fractional n ends the plan at its last whole month.
    plan.monthCount = months >= 1.0 ? static_cast<std::size_t>(std::floor(months)) : std::size_t{0};
    plan.cells.reserve(plan.monthCount * LoanPlan::kColumns);
    // The annuity of a whole number of months repays the loan exactly with its last payment;
    // what the doubles leave then (up to 1e-5 of the amount over a long plan at a high rate)
    // is noise that would show as "-0,00 €".
    const bool repaysExactly =
        months == std::floor(months) && in.payment == MonthlyPayment(in.loanAmount, monthlyRate, months);
    double balance = in.loanAmount;
    double totalInterest = 0.0;
    for (std::size_t k = 1; k <= plan.monthCount; ++k) {
        // The interest is taken as a percentage of the balance (r × 100 %, over 100). That
        // differs from balance × r at most in the last bit, and those bits add up over a
        // long plan; the plan's figures follow the percentage arithmetic.
        const double interest = balance * monthlyRate * 100.0 / 100.0;
        balance = balance - in.payment + interest;
        totalInterest += interest;
        if (!std::isfinite(balance)) return {LoanError::NotFinite, {}};
        if (k == plan.monthCount && repaysExactly) balance = 0.0;
        plan.cells.insert(plan.cells.end(), {interest, in.payment - interest, balance, totalInterest});
    }
    return result;
}

}  // namespace zolt
