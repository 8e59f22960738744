#include "core/CapitalMultiple.h"

#include <cmath>
#include <limits>

#include "core/TextRows.h"

namespace zolt {

namespace {
constexpr std::int64_t kTicksPerUnit = 10'000;  // a reading has four decimals: ten-thousandths
constexpr std::int64_t kTicksPerTenth = kTicksPerUnit / 10;
constexpr std::int64_t kTicksPerHalf = kTicksPerUnit / 2;
constexpr std::int64_t kSmallestMultipleTicks = 2 * kTicksPerUnit;
// The top of the currency range in ticks (922.337.203.685.477,5807).
constexpr double kMaxTicks = 9'223'372'036'854'775'807.0;

// The ten-thousandths of a four-decimal reading: exact, since the double of a reading rounds
// back to its ticks; beyond the currency range it stays at the range's end.
std::int64_t Ticks(double n) {
    const double ticks = std::nearbyint(n * kTicksPerUnit);
    if (!(ticks > -kMaxTicks)) return std::numeric_limits<std::int64_t>::min();  // NaN too: nothing to show
    if (!(ticks < kMaxTicks)) return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(ticks);
}

MultipleError CheckRate(double ratePercent) {
    if (!std::isfinite(ratePercent)) return MultipleError::OutOfRange;
    if (ratePercent <= 0) return MultipleError::RateNotPositive;
    return MultipleError::None;
}
}  // namespace

ShownTime TimeToMultiply(double multiple, double ratePercent) {
    const double t = std::log(multiple) / std::log(1 + ratePercent / 100);
    double years = std::floor(t);
    // nearbyint rounds by the current mode, which is to nearest with halves to even.
    double months = std::nearbyint((t - years) * 12);
    if (months == 12) {
        years += 1;
        months = 0;
    }
    return {years, months};
}

std::optional<std::int64_t> LargestTenthMultiple(double n) {
    const std::int64_t ticks = Ticks(n);
    if (ticks < kSmallestMultipleTicks) return std::nullopt;
    return ticks / kTicksPerTenth;
}

MultipleResult CapitalMultiple(double ratePercent, double n) {
    MultipleResult result;
    result.error = CheckRate(ratePercent);
    if (!result.ok()) return result;
    const auto tenths = LargestTenthMultiple(n);
    if (!tenths) return result;
    const double k = static_cast<double>(*tenths) / 10;
    result.multiple = k;
    result.time = TimeToMultiply(k, ratePercent);
    return result;
}

MultipleDetails CapitalMultipleDetails(double ratePercent, double n) {
    MultipleDetails details;
    details.error = CheckRate(ratePercent);
    if (!details.ok()) return details;
    details.ratePercent = ratePercent;
    std::int64_t top = Ticks(n);
    if (top < kSmallestMultipleTicks) return details;
    if (top > kMaxDetailMultiple * kTicksPerUnit) {
        top = kMaxDetailMultiple * kTicksPerUnit;
        details.truncated = true;
    }
    details.lines = static_cast<std::size_t>((top - kSmallestMultipleTicks) / kTicksPerHalf + 1);
    return details;
}

double DetailMultiple(std::size_t line) { return 2 + static_cast<double>(line) / 2; }

std::string DetailLine(const MultipleDetails& details, std::size_t line, const RegionalSettings& region) {
    if (!details.ok() || line >= details.lines) return {};
    const double k = DetailMultiple(line);
    const ShownTime time = TimeToMultiply(k, details.ratePercent);
    return TextRow()
        .Cell("\tn=")
        .Right(FormatNumber(k, "#0.0", region), 4)
        .Cell("\t\t")
        .Cell(FormatNumber(time.years, "########00", region))
        .Cell("\t ")
        .Cell(FormatNumber(time.months, "##00", region))
        .Text();
}

}  // namespace zolt
