#pragma once
// Perpetual annuity (interest alone pays the annuity) and capital annuity (capital and
// interest are used up month by month, with the month table of the capital).

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/NumberRules.h"

namespace zolt {

// --- perpetual annuity --------------------------------------------------------------

enum class PerpetualError {
    None,
    ZeroRate,             // nominal rate 0 without inflation: no interest pays anything
    RateEqualsInflation,  // real rate p − i = 0 with inflation
    OutOfRange,           // an input or the capital is not a finite double
};

struct PerpetualInputs {
    double monthlyAnnuity = 0;            // M, currency units per month
    double nominalRate = 0;               // p, percent per year
    std::optional<double> inflationRate;  // i, percent per year, when inflation is considered
};

struct PerpetualResult {
    double capital = 0;  // C
    PerpetualError error = PerpetualError::None;
    bool ok() const { return error == PerpetualError::None; }
};

// C = (M × 12) / p × 100, or with inflation C = 100 × (M × 12) / (p − i): the capital whose
// yearly interest at the (real) rate equals twelve annuities. A real rate below 0 is not
// refused (the inflation hint is advice only) and gives a negative capital.
PerpetualResult PerpetualCapital(const PerpetualInputs& in);

// --- capital annuity ------------------------------------------------------------------

// The month table keeps one double per month; 100.000 years of months keep it below 10 MB
// and its computation in milliseconds. A withdrawal barely above the interest (or below the
// last bit of a huge capital) would otherwise run for billions of months or for ever.
constexpr long kMaxAnnuityMonths = 1'200'000;

struct CapitalAnnuityInputs {
    double startCapital = 0;    // C0
    double nominalRate = 0;     // p, percent per year, interest credited monthly at p / 1200
    double monthlyAnnuity = 0;  // R, withdrawn at the end of every month
    long maxMonths = kMaxAnnuityMonths;
};

enum class AnnuityOutcome {
    UsedUp,      // the capital fell below the annuity: years, months and the remainder
    Perpetual,   // the monthly interest covers the withdrawal
    TooLong,     // still running after maxMonths months
    OutOfRange,  // an input is not a finite double
};

struct CapitalAnnuityResult {
    AnnuityOutcome outcome = AnnuityOutcome::OutOfRange;
    double nominalRate = 0;
    double monthlyAnnuity = 0;
    // The capital at the start of month 1, 2, …: one table row each.
    std::vector<double> capitals;
    // The last row is preceded by "*** Rest ***" (its start capital fell below the annuity).
    bool restLine = false;
    long monthsPaid = 0;   // m, months paid out in full
    long years = 0;        // UsedUp: integer part of m / 12
    long months = 0;       // UsedUp: m − 12 × years
    double remaining = 0;  // UsedUp: the capital left, below one annuity
};

CapitalAnnuityResult CapitalAnnuity(const CapitalAnnuityInputs& in);

// The interest of one month on the capital K: K × p / 1200.
double MonthlyInterest(double capital, double nominalRate);

// One month row of the table: the capital K at the start of the month, the month's interest
// K × p / 1200 and what is left after interest and withdrawal, K + K × p / 1200 − R.
struct AnnuityMonth {
    long month = 0;
    double capital = 0;
    double interest = 0;
    double remainder = 0;
};

// Month row `row` (0-based, row < capitals.size()); the "*** Rest ***" line is no row.
AnnuityMonth AnnuityTableMonth(const CapitalAnnuityResult& result, std::size_t row);

// The lines of the month table as the list shows them, without the closing line: the month
// rows and the "*** Rest ***" line. Rows are built when asked for, so a long table costs
// one double per month.
std::size_t AnnuityTableLineCount(const CapitalAnnuityResult& result);
std::string AnnuityTableLine(const CapitalAnnuityResult& result, std::size_t line, const RegionalSettings& region = {});

// One month row: the month with "000", then capital, interest and capital + interest −
// annuity in the currency format, right-aligned in 16, 14 and 17 characters.
std::string AnnuityRow(long month, double capital, double nominalRate, double monthlyAnnuity,
                       const RegionalSettings& region = {});

inline constexpr const char* kAnnuityRestLine = "                    *** Rest ***";

}  // namespace zolt
