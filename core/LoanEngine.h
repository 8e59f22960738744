#pragma once
// Loan instalments and amortization plans.

namespace zolt {

// The annuity of a loan: payments at the end of each month, fully repaid after `months`
// payments. K × r / (1 − (1 + r)^−n); a monthly rate of 0 spreads the amount evenly.
double MonthlyPayment(double amount, double monthlyRate, double months);

}  // namespace zolt
