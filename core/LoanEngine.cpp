#include "core/LoanEngine.h"

#include <cmath>

namespace zolt {

double MonthlyPayment(double amount, double monthlyRate, double months) {
    if (monthlyRate == 0.0) return amount / months;
    return amount * monthlyRate / (1.0 - 1.0 / std::pow(1.0 + monthlyRate, months));
}

}  // namespace zolt
