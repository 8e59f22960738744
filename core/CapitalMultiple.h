#pragma once
// How long a capital earning compound interest once a year takes to grow n-fold.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/NumberRules.h"

namespace zolt {

enum class MultipleError {
    None,
    RateNotPositive,  // at 0 % or below the capital never grows (ln(1 + p/100) ≤ 0 or undefined)
    OutOfRange,       // the rate is not a finite number
};

// The time as shown: whole years and the rounded months, twelve months carried into a year.
struct ShownTime {
    double years = 0;
    double months = 0;
};

// t = ln(k) / ln(1 + p / 100) years; years = t rounded down; months = (t − years) × 12
// rounded to the nearest whole number, a half to the even one; 12 months become a year.
// Needs k > 0 and p > 0.
ShownTime TimeToMultiply(double multiple, double ratePercent);

// The largest of 2, 2.1, 2.2, … not above n, in tenths. n is a reading of four decimals, and
// the tenths are counted on those decimals, so 2,3 gives 23, not 22 as a binary 2.3 × 10
// might. nullopt when n is below 2.
std::optional<std::int64_t> LargestTenthMultiple(double n);

struct MultipleResult {
    MultipleError error = MultipleError::None;
    std::optional<double> multiple;  // k; nullopt when n is below 2 (nothing to show)
    ShownTime time;
    bool ok() const { return error == MultipleError::None; }
};

MultipleResult CapitalMultiple(double ratePercent, double n);

// The details list runs in halves from 2 up to n; every line is built when shown, but a
// list view still keeps a little per line, so multiples above 100.000 are cut off there.
constexpr std::int64_t kMaxDetailMultiple = 100'000;

struct MultipleDetails {
    MultipleError error = MultipleError::None;
    double ratePercent = 0;
    std::size_t lines = 0;   // multiples 2, 2.5, 3, … not above n (nor above the limit)
    bool truncated = false;  // n lies above kMaxDetailMultiple
    bool ok() const { return error == MultipleError::None; }
};

MultipleDetails CapitalMultipleDetails(double ratePercent, double n);

// The multiple of a details line: 2 + line / 2.
double DetailMultiple(std::size_t line);

// A tab, "n=", the multiple with "#0.0" right-aligned in 4 characters, two tabs, the years
// with "########00", a tab, a blank and the months with "##00".
std::string DetailLine(const MultipleDetails& details, std::size_t line, const RegionalSettings& region = {});

}  // namespace zolt
