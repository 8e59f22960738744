#pragma once
// Loan instalments and amortization plans: the financed amount, the table of monthly
// instalments over a range of rates and terms, and the month-by-month plan of one instalment.
// Every function takes plain inputs and returns a value; a refusal is a value too.

#include <cstddef>
#include <vector>

namespace zolt {

// The annuity of a loan: payments at the end of each month, fully repaid after `months`
// payments. K × r / (1 − (1 + r)^−n); a monthly rate of 0 spreads the amount evenly.
double MonthlyPayment(double amount, double monthlyRate, double months);

enum class LoanDownPaymentMode { Percent, Amount };
enum class LoanTermUnit { Years, Months };

// A term of the given unit in months.
double TermInMonths(double term, LoanTermUnit unit);

// Terms up to 100 years (1200 months) and rates 0,1 … 25,0 % in steps of 0,1: at most 1200
// term columns and 250 rate rows. A plan is at most 1200 years long (a 1200-month column read
// in years after a switch of the unit).
constexpr double kMaxLoanTermMonths = 1200.0;
constexpr int kMaxLoanTermColumns = 1200;
constexpr int kMaxLoanRateRows = 250;
constexpr double kMaxLoanPlanMonths = kMaxLoanTermMonths * 12.0;
// Prices beyond this are refused: every derived sum (up to some 150 times the amount for the
// longest plan at 25 %) then stays far inside the double range and readable on screen.
constexpr double kMaxLoanPrice = 1e15;

// A table that would start at 0 % starts at the lowest rate above zero instead: a loan at
// 0 % is no instalment a bank offers, and the lists step by 0,1.
constexpr double kLowestLoanRate = 0.1;
double TableRateMin(double rateMin);

// The down payment as the sheet checks it on every change, in the order of the checks.
enum class DownPaymentCheck { Ok, AbovePercentLimit, AbovePrice, Negative };
DownPaymentCheck CheckDownPayment(double price, double downPayment, LoanDownPaymentMode mode);

// Price less the down payment (a percentage of the price or a sum).
double LoanAmount(double price, double downPayment, LoanDownPaymentMode mode);

enum class LoanError {
    None,
    EmptyRange,     // no rate, or no term above zero
    TableTooLarge,  // more rate rows or term columns than the sheet offers
    PlanTooLong,    // more months than any table column can stand for
    NotFinite,      // a value overflowed or was not a number
};

// A value, or why there is none.
template <typename Value>
struct LoanResult {
    LoanError error = LoanError::None;
    Value value;
};

struct LoanTableInputs {
    double loanAmount = 0.0;
    double termMin = 0.0;  // in termUnit
    double termMax = 0.0;
    double rateMin = 0.0;  // percent per year
    double rateMax = 0.0;
    LoanTermUnit termUnit = LoanTermUnit::Years;
};

// Rates down (row i, column 0, percent per year), terms across (row 0, column j, in the
// table's term unit), instalments in the body; one block of doubles, row by row.
class LoanPaymentTable {
public:
    LoanPaymentTable() = default;
    LoanPaymentTable(const LoanTableInputs& in, int rateCount, int termCount);

    double LoanAmount() const { return loanAmount_; }
    LoanTermUnit TermUnit() const { return termUnit_; }
    int RateCount() const { return rateCount_; }
    int TermCount() const { return termCount_; }

    double At(int i, int j) const { return cells_[Index(i, j)]; }
    double& At(int i, int j) { return cells_[Index(i, j)]; }
    double Rate(int i) const { return At(i, 0); }
    double Term(int j) const { return At(0, j); }
    double Payment(int i, int j) const { return At(i, j); }

    const std::vector<double>& Cells() const { return cells_; }
    std::size_t Stride() const { return static_cast<std::size_t>(termCount_ + 1); }

private:
    std::size_t Index(int i, int j) const {
        return static_cast<std::size_t>(i) * Stride() + static_cast<std::size_t>(j);
    }
    double loanAmount_ = 0.0;
    LoanTermUnit termUnit_ = LoanTermUnit::Years;
    int rateCount_ = 0;
    int termCount_ = 0;
    std::vector<double> cells_;
};

// The table starts at TableRateMin of the minimum; rates step by 0,1, terms by one unit.
LoanResult<LoanPaymentTable> BuildPaymentTable(const LoanTableInputs& in);

// One instalment of a table with the term unit of the moment of the request (which may differ
// from the table's: its columns are then read in the other unit).
struct LoanPlanInputs {
    double loanAmount = 0.0;
    double annualRate = 0.0;  // percent per year
    double payment = 0.0;     // every month's instalment
    double term = 0.0;
    LoanTermUnit termUnit = LoanTermUnit::Years;
};

// Months 1 … monthCount, four values each in this order: the month's interest, its principal
// (payment less interest), the balance after the payment and the interest of months 1 … k.
struct LoanPlan {
    enum Column { kInterest, kPrincipal, kBalance, kTotalInterest, kColumns };
    double annualRate = 0.0;
    double payment = 0.0;
    double months = 0.0;         // n; fractional when the term was
    std::size_t monthCount = 0;  // whole months shown
    std::vector<double> cells;   // monthCount x kColumns, row-major

    double At(std::size_t month, Column column) const { return cells[(month - 1) * kColumns + column]; }
};

// Balance(0) = loan amount; Interest(k) = Balance(k − 1) × r; Balance(k) = Balance(k − 1) −
// payment + Interest(k). Nothing is rounded and the last instalment is not adjusted; only the
// last balance of a payment that is the annuity of a whole number of months shows as 0.
LoanResult<LoanPlan> BuildAmortizationPlan(const LoanPlanInputs& in);

}  // namespace zolt
