#pragma once
// Loan instalments and amortization plans: the financed amount, the table of monthly
// instalments over a range of rates and terms, and the month-by-month plan of one cell.

#include <cstddef>
#include <vector>

namespace zolt {

// The annuity of a loan: payments at the end of each month, fully repaid after `months`
// payments. K × r / (1 − (1 + r)^−n); a monthly rate of 0 spreads the amount evenly.
double MonthlyPayment(double amount, double monthlyRate, double months);

enum class LoanDownPaymentMode { Percent, Amount };
enum class LoanTermUnit { Years, Months };

// The loan sheet accepts terms up to 50 years (600 months) and rates 0,0 … 25,0 % in steps
// of 0,1: at most 600 term columns and 251 rate rows. A plan is at most 600 years long
// (a 600-month column read in years after a unit switch).
constexpr double kMaxLoanTermMonths = 600.0;
constexpr int kMaxLoanTermColumns = 600;
constexpr int kMaxLoanRateRows = 251;
constexpr double kMaxLoanPlanMonths = 7200.0;
// Prices beyond this are refused: every derived sum (up to some 150 times the amount for the
// longest plan at 25 %) then stays far inside the double range and readable on screen.
constexpr double kMaxLoanPrice = 1e15;

// Rates down (row i, column 0, percent per year), terms across (row 0, column j, in the
// table's term unit), instalments in the body. One block of doubles, row by row.
class LoanPaymentTable {
public:
    LoanPaymentTable() = default;
    LoanPaymentTable(int rateCount, int termCount);

    int RateCount() const { return rateCount_; }
    int TermCount() const { return termCount_; }
    bool Contains(int i, int j) const { return i >= 0 && j >= 0 && i <= rateCount_ && j <= termCount_; }

    double At(int i, int j) const { return cells_[Index(i, j)]; }
    double& At(int i, int j) { return cells_[Index(i, j)]; }
    double Rate(int i) const { return At(i, 0); }
    double Term(int j) const { return At(0, j); }
    double Payment(int i, int j) const { return At(i, j); }

    const std::vector<double>& Cells() const { return cells_; }

private:
    std::size_t Index(int i, int j) const {
        return static_cast<std::size_t>(i) * static_cast<std::size_t>(termCount_ + 1) + static_cast<std::size_t>(j);
    }
    int rateCount_ = 0;
    int termCount_ = 0;
    std::vector<double> cells_;
};

// Month k of a plan: the balance after the month's payment and the month's interest.
// Row 0 holds only the starting balance.
struct LoanPlanRow {
    double Balance = 0.0;
    double Interest = 0.0;
};

struct LoanSheetState {
    double Price = 0.0;
    double DownPayment = 0.0;
    LoanDownPaymentMode DownPaymentMode = LoanDownPaymentMode::Percent;
    LoanTermUnit TermUnit = LoanTermUnit::Years;
    double TermMin = 0.0;
    double TermMax = 0.0;
    double RateMin = 0.0;
    double RateMax = 0.0;

    double LoanAmount = 0.0;
    int TermCount = 0;
    int RateCount = 0;
    LoanPaymentTable PaymentTable;

    double SelectedPayment = 0.0;
    double PlanRate = 0.0;         // percent per year
    double PlanMonthlyRate = 0.0;  // fraction per month
    double PlanMonths = 0.0;       // n; fractional when a term bound was
    std::vector<LoanPlanRow> PlanRows;
    bool PlanShown = false;
};

enum class LoanError {
    None,
    EmptyRange,     // fewer than one rate or one term
    TableTooLarge,  // more rate rows or term columns than the sheet offers
    NoSuchCell,     // a plan for a cell outside the table's body
    PlanTooLong,    // more months than any table column can stand for
    NotFinite,      // a value overflowed or was not a number
};

// The down payment as the sheet checks it on every change, in the order of the checks.
enum class DownPaymentCheck { Ok, AbovePercentLimit, AbovePrice, Negative };
DownPaymentCheck CheckDownPayment(const LoanSheetState& state);

// A term of the given unit in months.
double TermInMonths(double term, LoanTermUnit unit);

// Price less the down payment (a percentage of the price or a sum); stored and returned.
double ComputeLoanAmount(LoanSheetState& state);

// Fills TermCount, RateCount and PaymentTable from the ranges and LoanAmount. On an error
// the previous table is kept.
LoanError BuildPaymentTable(LoanSheetState& state);

// The plan of body cell (i, j) with the term unit of this moment: SelectedPayment, PlanRate,
// PlanMonthlyRate, PlanMonths and PlanRows. On an error the previous plan is kept.
LoanError BuildAmortizationPlan(LoanSheetState& state, int i, int j);

// Months 1 … n of the plan: Principal(k) = payment − Interest(k), TotalInterest(k) the
// interest of months 1 … k summed in month order. Index 0 is the start (both 0).
struct LoanPlanValues {
    std::vector<double> Principal;
    std::vector<double> TotalInterest;
};
LoanPlanValues DerivePlanValues(const LoanSheetState& state);

}  // namespace zolt
