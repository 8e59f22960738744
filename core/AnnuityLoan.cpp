#include "core/AnnuityLoan.h"

#include <algorithm>
#include <cstdio>

#include "core/EffectiveRate.h"

namespace zolt {

namespace {

__extension__ using Int128 = __int128;

// A rate in ten-thousandths of a percent per year becomes a monthly fraction by dividing
// by 10^4 (the decimals), 100 (percent) and 12 (months).
constexpr Int128 kMonthlyRateScale = 12'000'000;
constexpr std::int64_t kWholeYear = 10'000;           // one year in ten-thousandths
constexpr std::int64_t kFeeScale = 1'000'000;         // 100 % in ten-thousandths of a percent
constexpr int kMaxFixedYears = 40;

// a / b to the nearest whole number, a half up (a >= 0, b > 0).
Int128 DivideHalfUp(Int128 a, Int128 b) { return (2 * a + b) / (2 * b); }

// Ten-thousandths of a euro to cents, a half cent away from zero (so up for amounts).
Int128 Cents(Currency value) {
    const Int128 v = value.tenThousandths;
    return v >= 0 ? DivideHalfUp(v, 100) : -DivideHalfUp(-v, 100);
}

// The interest of one month on `debt` cents, to the cent, a half cent up.
std::int64_t MonthInterest(std::int64_t debt, std::int64_t rate) {
    return static_cast<std::int64_t>(DivideHalfUp(static_cast<Int128>(debt) * rate, kMonthlyRateScale));
}

AnnuityLoanResult Refused(AnnuityLoanError error) {
    AnnuityLoanResult result;
    result.error = error;
    return result;
}

// The loan years: sums of each run of twelve months, the debt at its end.
std::vector<AnnuityPlanRow> YearRows(const std::vector<AnnuityPlanRow>& months) {
    std::vector<AnnuityPlanRow> years((months.size() + 11) / 12);
    for (std::size_t m = 0; m < months.size(); ++m) {
        AnnuityPlanRow& year = years[m / 12];
        year.instalment += months[m].instalment;
        year.interest += months[m].interest;
        year.principal += months[m].principal;
        year.extra += months[m].extra;
        year.debt = months[m].debt;
    }
    return years;
}

}  // namespace

std::optional<PlanMonth> ParseMonthYear(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point < 1 || point > 2 || text.size() != point + 5) return std::nullopt;
    auto number = [](std::string_view digits) {
        int value = 0;
        for (char c : digits) {
            if (c < '0' || c > '9') return -1;
            value = value * 10 + (c - '0');
        }
        return value;
    };
    const PlanMonth month{number(text.substr(point + 1)), number(text.substr(0, point))};
    if (month.month < 1 || month.month > 12 || month.year < 1900 || month.year > 9899) return std::nullopt;
    return month;
}

PlanMonth MonthAfter(PlanMonth first, int offset) {
    const int index = first.year * 12 + (first.month - 1) + offset;
    return {index / 12, index % 12 + 1};
}

std::string MonthYearText(PlanMonth month) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%04d", month.month, month.year);
    return text;
}

AnnuityLoanResult ComputeAnnuityLoan(const AnnuityLoanInputs& in) {
    const Int128 amount = Cents(in.amount);
    if (amount <= 0) return Refused(AnnuityLoanError::AmountNotPositive);
    if (amount > kMaxLoanCents) return Refused(AnnuityLoanError::AmountTooLarge);
    const std::int64_t rate = in.ratePercent.tenThousandths;
    if (rate < 0) return Refused(AnnuityLoanError::NegativeRate);
    const std::int64_t fixed = in.fixedYears.tenThousandths;
    if (fixed % kWholeYear != 0 || fixed < kWholeYear || fixed > kMaxFixedYears * kWholeYear)
        return Refused(AnnuityLoanError::FixedYearsOutOfRange);
    const Int128 extra = Cents(in.extraPerYear);
    if (extra < 0) return Refused(AnnuityLoanError::NegativeExtra);
    if (extra > kMaxLoanCents) return Refused(AnnuityLoanError::ExtraTooLarge);
    const std::int64_t fee = in.feePercent.tenThousandths;
    if (fee < 0 || fee >= kFeeScale) return Refused(AnnuityLoanError::FeeOutOfRange);

    Int128 instalment = 0;
    if (in.choice == InstalmentChoice::InitialRepayment) {
        const Int128 yearly = static_cast<Int128>(rate) + in.repaymentPercent.tenThousandths;
        if (yearly > 0) instalment = DivideHalfUp(amount * yearly, kMonthlyRateScale);
    } else {
        instalment = Cents(in.instalment);
    }
    if (instalment > kMaxLoanCents) return Refused(AnnuityLoanError::InstalmentTooLarge);
    // The interest only falls with the debt: an instalment above the first month's interest
    // repays something every month.
    if (instalment <= DivideHalfUp(amount * rate, kMonthlyRateScale)) return Refused(AnnuityLoanError::InstalmentTooLow);

    AnnuityLoanResult result;
    result.instalment = static_cast<std::int64_t>(instalment);
    result.firstMonth = in.firstMonth;
    const auto extraCents = static_cast<std::int64_t>(extra);
    const int fixedMonths = static_cast<int>(fixed / kWholeYear) * 12;
    // Every instalment and extra repayment, for the effective rate.
    std::vector<LoanPayment> payments;
    std::int64_t debt = static_cast<std::int64_t>(amount);
    for (int m = 1; debt > 0; ++m) {
        if (m > kMaxPlanMonths) return Refused(AnnuityLoanError::TooLong);
        AnnuityPlanRow row;
        row.interest = MonthInterest(debt, rate);
        // The last instalment pays what is left with its interest.
        row.instalment = std::min(result.instalment, debt + row.interest);
        row.principal = row.instalment - row.interest;
        debt -= row.principal;
        if (m % 12 == 0) row.extra = std::min(extraCents, debt);
        debt -= row.extra;
        row.debt = debt;
        result.months.push_back(row);
        result.interestTotal += row.interest;
        if (m <= fixedMonths) result.interestFixedPeriod += row.interest;
        payments.push_back({m, static_cast<double>(row.instalment + row.extra)});
    }

    const int months = static_cast<int>(result.months.size());
    if (months >= fixedMonths) {
        result.fixedEndMonth = fixedMonths - 1;
        result.fixedEndYear = fixedMonths / 12 - 1;
        result.debtAtFixedEnd = result.months[static_cast<std::size_t>(fixedMonths - 1)].debt;
    }
    result.years = YearRows(result.months);
    result.finalInstalment = result.months.back().instalment;
    result.termYears = months / 12;
    result.termMonths = months % 12;

    // The payments against the loan less the fee kept back.
    const double payout =
        static_cast<double>(amount) * static_cast<double>(kFeeScale - fee) / static_cast<double>(kFeeScale);
    const EffectiveRateResult effective = EffectiveAnnualRate(payout, payments);
    if (effective.error != EffectiveRateError::None) return Refused(AnnuityLoanError::NoEffectiveRate);
    result.effectiveRate = effective.rate;
    return result;
}

}  // namespace zolt
