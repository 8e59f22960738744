#include "core/LoanEngine.h"

#include <cmath>
#include <utility>

namespace zolt {

double MonthlyPayment(double amount, double monthlyRate, double months) {
    if (monthlyRate == 0.0) return amount / months;
    return amount * monthlyRate / (1.0 - 1.0 / std::pow(1.0 + monthlyRate, months));
}

LoanPaymentTable::LoanPaymentTable(int rateCount, int termCount)
    : rateCount_(rateCount),
      termCount_(termCount),
      cells_(static_cast<std::size_t>(rateCount + 1) * static_cast<std::size_t>(termCount + 1), 0.0) {}

DownPaymentCheck CheckDownPayment(const LoanSheetState& state) {
    // Written so that a NaN fails every check instead of passing them all.
    if (state.DownPaymentMode == LoanDownPaymentMode::Percent && !(state.DownPayment <= 99.0)) {
        return DownPaymentCheck::AbovePercentLimit;
    }
    if (state.DownPaymentMode == LoanDownPaymentMode::Amount && state.DownPayment > state.Price) {
        return DownPaymentCheck::AbovePrice;
    }
    if (!(state.DownPayment >= 0.0)) return DownPaymentCheck::Negative;
    return DownPaymentCheck::Ok;
}

double TermInMonths(double term, LoanTermUnit unit) { return unit == LoanTermUnit::Years ? term * 12.0 : term; }

double ComputeLoanAmount(LoanSheetState& state) {
    state.LoanAmount = state.DownPaymentMode == LoanDownPaymentMode::Percent
                           ? state.Price * (1.0 - state.DownPayment / 100.0)
                           : state.Price - state.DownPayment;
    return state.LoanAmount;
}

LoanError BuildPaymentTable(LoanSheetState& state) {
    // The rates come in tenths from the lists, so their count is rounded to the nearest whole
    // number: (10 − 0.1) × 10 is not exactly 99 in binary. Terms step by whole units from the
    // minimum; a fractional maximum ends the range at the last step inside it.
    const double rateSteps = std::round((state.RateMax - state.RateMin) * 10.0);
    const double termSteps = std::floor(state.TermMax - state.TermMin + 1e-9);
    if (!std::isfinite(rateSteps) || !std::isfinite(termSteps) || !std::isfinite(state.LoanAmount)) {
        return LoanError::NotFinite;
    }
    if (rateSteps < 0.0 || termSteps < 0.0) return LoanError::EmptyRange;
    if (rateSteps + 1.0 > kMaxLoanRateRows || termSteps + 1.0 > kMaxLoanTermColumns) return LoanError::TableTooLarge;

    const int rateCount = static_cast<int>(rateSteps) + 1;
    const int termCount = static_cast<int>(termSteps) + 1;
    LoanPaymentTable table(rateCount, termCount);
    for (int i = 1; i <= rateCount; ++i) table.At(i, 0) = state.RateMin + static_cast<double>(i - 1) / 10.0;
    for (int j = 1; j <= termCount; ++j) table.At(0, j) = state.TermMin + static_cast<double>(j - 1);

    for (int i = 1; i <= rateCount; ++i) {
        const double monthlyRate = table.Rate(i) / 1200.0;
        for (int j = 1; j <= termCount; ++j) {
            const double months = TermInMonths(table.Term(j), state.TermUnit);
            const double payment = MonthlyPayment(state.LoanAmount, monthlyRate, months);
            if (!std::isfinite(payment)) return LoanError::NotFinite;
            table.At(i, j) = payment;
        }
    }
    state.RateCount = rateCount;
    state.TermCount = termCount;
    state.PaymentTable = std::move(table);
    return LoanError::None;
}

LoanError BuildAmortizationPlan(LoanSheetState& state, int i, int j) {
    const LoanPaymentTable& table = state.PaymentTable;
    if (i < 1 || j < 1 || !table.Contains(i, j)) return LoanError::NoSuchCell;

    const double payment = table.Payment(i, j);
    const double annualRate = table.Rate(i);
    const double monthlyRate = annualRate / 1200.0;
    // The unit of this moment, not the one the table was built with.
    const double months = TermInMonths(table.Term(j), state.TermUnit);
    if (!std::isfinite(months) || !std::isfinite(payment) || !std::isfinite(monthlyRate)) return LoanError::NotFinite;
    if (months > kMaxLoanPlanMonths) return LoanError::PlanTooLong;

    // Months 1 … n; a fractional n ends the plan at its last whole month.
    const auto rowCount = months >= 1.0 ? static_cast<std::size_t>(std::floor(months)) : std::size_t{0};
    std::vector<LoanPlanRow> rows(rowCount + 1);
    rows[0].Balance = state.LoanAmount;
    for (std::size_t k = 1; k <= rowCount; ++k) {
        // The × 100 / 100 changes nothing but the last bit of rounding; kept so that the plan
        // matches the figures the sheet has always shown, to that bit.
        const double interest = rows[k - 1].Balance * monthlyRate * 100.0 / 100.0;
        rows[k].Interest = interest;
        rows[k].Balance = rows[k - 1].Balance - payment + interest;
        if (!std::isfinite(rows[k].Balance)) return LoanError::NotFinite;
    }
    state.SelectedPayment = payment;
    state.PlanRate = annualRate;
    state.PlanMonthlyRate = monthlyRate;
    state.PlanMonths = months;
    state.PlanRows = std::move(rows);
    return LoanError::None;
}

LoanPlanValues DerivePlanValues(const LoanSheetState& state) {
    const std::size_t count = state.PlanRows.size();
    LoanPlanValues values;
    values.Principal.assign(count, 0.0);
    values.TotalInterest.assign(count, 0.0);
    double total = 0.0;
    for (std::size_t k = 1; k < count; ++k) {
        const double interest = state.PlanRows[k].Interest;
        values.Principal[k] = state.SelectedPayment - interest;
        total += interest;
        values.TotalInterest[k] = total;
    }
    return values;
}

}  // namespace zolt
