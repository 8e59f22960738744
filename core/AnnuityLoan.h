#pragma once
// A mortgage as banks print its plan (Annuitätendarlehen): a fixed monthly instalment, the
// interest of each month rounded to the cent, a yearly extra repayment, the debt left when
// the fixed-rate period ends, and the effective annual rate. Every amount is kept in whole
// cents (int64) and every rounding is done exactly, so the plan matches the bank's to the cent.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/NumberRules.h"

namespace zolt {

// A calendar month.
struct PlanMonth {
    int year = 2000;
    int month = 1;  // 1 ... 12
    friend bool operator==(const PlanMonth&, const PlanMonth&) = default;
};

// "MM.JJJJ" (the month may have one digit, blanks around are ignored); years 1900 ... 9899,
// so that the longest plan still ends in a four-digit year.
std::optional<PlanMonth> ParseMonthYear(std::string_view text);
// The month `offset` months after `first`.
PlanMonth MonthAfter(PlanMonth first, int offset);
// "05.2026".
std::string MonthYearText(PlanMonth month);

enum class InstalmentChoice { InitialRepayment, Instalment };

// The entries as the currency reading gives them: exact decimals in ten-thousandths.
// Amounts are taken to the nearest cent (a half cent up).
struct AnnuityLoanInputs {
    Currency amount;                // K, the loan (€)
    Currency ratePercent;           // Sollzins, percent per year
    InstalmentChoice choice = InstalmentChoice::InitialRepayment;
    Currency repaymentPercent;      // anfängliche Tilgung, percent per year (InitialRepayment)
    Currency instalment;            // monthly instalment (€) (Instalment)
    Currency fixedYears;            // Zinsbindung: whole years 1 ... 40
    Currency extraPerYear;          // Sondertilgung (€), with every 12th instalment
    Currency feePercent;            // Bearbeitungsentgelt / Disagio, percent of K kept back at payout
    PlanMonth firstMonth;           // month of the first instalment
};

enum class AnnuityLoanError {
    None,
    AmountNotPositive,      // K <= 0 (after rounding to the cent)
    AmountTooLarge,         // K beyond kMaxLoanCents
    NegativeRate,
    FixedYearsOutOfRange,   // not a whole number of years 1 ... 40
    NegativeExtra,
    ExtraTooLarge,          // beyond kMaxLoanCents
    FeeOutOfRange,          // below 0 or 100 % and more
    InstalmentTooLarge,     // the instalment, entered or from rate and repayment, beyond kMaxLoanCents
    InstalmentTooLow,       // the instalment does not exceed the first month's interest
    TooLong,                // the plan would run longer than kMaxPlanMonths
    NoEffectiveRate,        // the effective rate could not be determined
};

// The longest plan: 100 years.
constexpr int kMaxPlanMonths = 1200;
// The largest loan, instalment and extra repayment: 10^12 €. Every sum of the plan (at most
// 1200 instalments and the extra repayments) then stays far inside int64 cents and exact in
// a double, and every product of a debt with a rate fits the 128-bit intermediate.
constexpr std::int64_t kMaxLoanCents = 100'000'000'000'000;

// One row of the plan, in cents: a month, or a loan year (sums of its months).
struct AnnuityPlanRow {
    std::int64_t instalment = 0;  // paid instalment (the last one may be smaller)
    std::int64_t interest = 0;
    std::int64_t principal = 0;   // instalment - interest
    std::int64_t extra = 0;       // extra repayment
    std::int64_t debt = 0;        // left after the row, the extra repayment included
    friend bool operator==(const AnnuityPlanRow&, const AnnuityPlanRow&) = default;
};

struct AnnuityLoanResult {
    AnnuityLoanError error = AnnuityLoanError::None;
    std::int64_t instalment = 0;            // the monthly instalment R
    std::vector<AnnuityPlanRow> months;     // month 1 at index 0, up to the month the debt is 0
    std::vector<AnnuityPlanRow> years;      // loan year 1 at index 0 (the last may be short)
    int fixedEndMonth = -1;                 // index in months of the last month of the fixed-rate
                                            // period; -1 when the loan is repaid before
    int fixedEndYear = -1;                  // the same in years
    std::int64_t debtAtFixedEnd = 0;        // Restschuld; 0 when repaid before
    std::int64_t interestFixedPeriod = 0;   // interest of the months of the fixed-rate period
    std::int64_t interestTotal = 0;
    std::int64_t finalInstalment = 0;       // the instalment of the last month (Schlussrate)
    int termYears = 0;                      // months.size() as years and months
    int termMonths = 0;
    double effectiveRate = 0;               // fraction per year
    PlanMonth firstMonth;
};

// The plan. Each month m: interest Z = round(debt x rate / 1200) to the cent, a half up;
// principal R - Z; when debt + Z <= R the month pays debt + Z and ends the loan. With the
// 12th, 24th ... instalment the extra repayment follows, at most the debt left. The rate
// stays after the fixed-rate period. R = round(K x (rate + repayment) / 1200) or as entered.
// Checks in order: amount, rate, fixed years, extra, fee, instalment, length.
AnnuityLoanResult ComputeAnnuityLoan(const AnnuityLoanInputs& in);

inline double Euros(std::int64_t cents) { return static_cast<double>(cents) / 100.0; }

}  // namespace zolt
