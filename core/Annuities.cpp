#include "core/Annuities.h"

#include <cmath>

#include "core/TextRows.h"

namespace zolt {

PerpetualResult PerpetualCapital(const PerpetualInputs& in) {
    const bool withInflation = in.inflationRate.has_value();
    const double inflation = withInflation ? *in.inflationRate : 0.0;
    if (!std::isfinite(in.monthlyAnnuity) || !std::isfinite(in.nominalRate) || !std::isfinite(inflation))
        return {0, PerpetualError::OutOfRange};

    double capital = 0;
    if (!withInflation) {
        if (in.nominalRate == 0) return {0, PerpetualError::ZeroRate};
        capital = (in.monthlyAnnuity * 12) / in.nominalRate * 100;
    } else {
        const double realRate = in.nominalRate - inflation;
        if (realRate == 0) return {0, PerpetualError::RateEqualsInflation};
        capital = 100 * (in.monthlyAnnuity * 12) / realRate;
    }
    if (!std::isfinite(capital)) return {0, PerpetualError::OutOfRange};
    return {capital, PerpetualError::None};
}

double MonthlyInterest(double capital, double nominalRate) { return capital * nominalRate / 1200; }

CapitalAnnuityResult CapitalAnnuity(const CapitalAnnuityInputs& in) {
    CapitalAnnuityResult result;
    result.nominalRate = in.nominalRate;
    result.monthlyAnnuity = in.monthlyAnnuity;
    const double p = in.nominalRate;
    const double r = in.monthlyAnnuity;
    if (!std::isfinite(in.startCapital) || !std::isfinite(p) || !std::isfinite(r)) return result;

    double k = in.startCapital;
    long m = 0;
    result.capitals.push_back(k);
    for (;;) {
        if (m >= in.maxMonths) {
            result.outcome = AnnuityOutcome::TooLong;
            result.monthsPaid = m;
            return result;
        }
        ++m;
        k = k + MonthlyInterest(k, p) - r;
        // k falls while the loop runs (the interest stays below the annuity), so only an
        // absurd rate on the last step could leave the finite range.
        if (!std::isfinite(k) || !std::isfinite(MonthlyInterest(k, p))) {
            result.outcome = AnnuityOutcome::OutOfRange;
            result.capitals.clear();
            return result;
        }
        if (k < r) result.restLine = true;
        result.capitals.push_back(k);
        result.monthsPaid = m;
        if (MonthlyInterest(k, p) >= r) {
            result.outcome = AnnuityOutcome::Perpetual;
            return result;
        }
        if (k < r) {
            result.outcome = AnnuityOutcome::UsedUp;
            result.years = m / 12;
            result.months = m - 12 * result.years;
            result.remaining = k;
            return result;
        }
    }
}

std::size_t AnnuityTableLineCount(const CapitalAnnuityResult& result) {
    return result.capitals.size() + (result.restLine ? 1 : 0);
}

namespace {
AnnuityMonth Month(long month, double capital, double nominalRate, double monthlyAnnuity) {
    const double interest = MonthlyInterest(capital, nominalRate);
    return {month, capital, interest, capital + interest - monthlyAnnuity};
}

std::string RowText(const AnnuityMonth& month, const RegionalSettings& region) {
    return TextRow()
        .Cell(FormatNumber(static_cast<double>(month.month), "000", region))
        .Right(FormatNumber(month.capital, "Currency", region), 16)
        .Right(FormatNumber(month.interest, "Currency", region), 14)
        .Right(FormatNumber(month.remainder, "Currency", region), 17)
        .Text();
}
}  // namespace

AnnuityMonth AnnuityTableMonth(const CapitalAnnuityResult& result, std::size_t row) {
    return Month(static_cast<long>(row) + 1, result.capitals[row], result.nominalRate, result.monthlyAnnuity);
}

std::string AnnuityRow(long month, double capital, double nominalRate, double monthlyAnnuity,
                       const RegionalSettings& region) {
    return RowText(Month(month, capital, nominalRate, monthlyAnnuity), region);
}

std::string AnnuityTableLine(const CapitalAnnuityResult& result, std::size_t line, const RegionalSettings& region) {
    const std::size_t rows = result.capitals.size();
    std::size_t row = line;
    if (result.restLine) {
        // The rest line stands between the last two rows (a table with one has at least two).
        if (line == rows - 1) return kAnnuityRestLine;
        if (line == rows) row = rows - 1;
    }
    if (row >= rows) return {};
    return RowText(AnnuityTableMonth(result, row), region);
}

}  // namespace zolt
