#include "core/SavingsBonds.h"

#include <cmath>

namespace zolt {

SavingsBondResult ComputeSavingsBond(const SavingsBondInputs& in) {
    SavingsBondResult out;
    const int years = BondYears(in.type);
    bool finite = std::isfinite(in.amount);
    if (in.type == BondType::A) {
        double sum = 0;
        for (int k = 0; k < years; ++k) {
            const double interest = in.amount * in.rates[static_cast<std::size_t>(k)] / 100;
            out.years[static_cast<std::size_t>(k)] = {in.amount, interest};
            sum += interest;
            finite = finite && std::isfinite(interest);
        }
        out.endAmount = in.amount + sum;
        out.interest = sum;
    } else {
        double capital = in.amount;
        for (int k = 0; k < years; ++k) {
            const double interest = capital * in.rates[static_cast<std::size_t>(k)] / 100;
            out.years[static_cast<std::size_t>(k)] = {capital, interest};
            capital += interest;
            finite = finite && std::isfinite(interest);
        }
        out.endAmount = capital;
        out.interest = capital - in.amount;
    }
    if (!finite || !std::isfinite(out.endAmount) || !std::isfinite(out.interest)) {
        return SavingsBondResult{.error = SavingsBondError::NotFinite};
    }
    return out;
}

}  // namespace zolt
