// Any byte string through every reading rule, and finite values through every display mask the
// program writes numbers with, read back by the currency rule.
//
// The round trip is checked where the mask's text is a number in the regional format: the
// decimal masks, the whole-number masks and "Currency" (its symbol and grouping belong to the
// regional format). Masks that add text are split first: "#,# \b\y\t\e\s" is a grouped whole
// number (no digit for 0) followed by the literal " bytes", and percentages are written as a
// "0.0" number with the sign appended outside the mask, so only the number part can read back.
// The date mask renders a serial day, checked as a date; the time mask and the "@" text masks
// carry no number to return.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/NumberRules.h"
#include "fuzzers/FuzzCheck.h"

namespace {

using zolt::fuzz::Require;

const std::array<zolt::RegionalSettings, 3> kRegions{{
    {},                    // German: "1.234,56 €"
    {".", ",", "$"},       // the separators the other way round
    {".", "'", "CHF"},     // a symbol of several letters
}};

struct NumericMask {
    const char* mask;
    int decimals;
};

// Every mask the program renders numbers with, by its decimal places.
constexpr std::array<NumericMask, 11> kNumericMasks{{
    {"##0.00", 2}, {"#0.00", 2}, {"##.00", 2}, {"#.00", 2}, {"Currency", 2},
    {"#0.0", 1}, {"0.0", 1},
    {"########00", 0}, {"##00", 0}, {"00", 0}, {"000", 0},
}};

constexpr long double kCurrencyLimit = 922337203685477.5807L;

void ReadingRules(const std::string& text, const zolt::RegionalSettings& region) {
    Require(!std::isnan(zolt::LeadingNumber(text)), "LeadingNumber gives no NaN");

    const bool numeric = zolt::IsNumericText(text, region);
    const double locale = zolt::LocaleNumber(text, region);
    const zolt::CurrencyReading currency = zolt::CurrencyNumber(text, region);
    if (numeric) {
        Require(std::isfinite(locale), "a numeric text reads as a finite number");
        Require(currency.error != zolt::CurrencyError::NotNumeric, "the currency rule accepts a numeric text");
        if (currency.ok()) {
            // Four decimals, rounded once: at most half a ten-thousandth from the locale reading.
            const long double gap = std::fabs(static_cast<long double>(currency.Amount()) - locale);
            Require(gap <= 0.00005L + std::fabs(locale) * 1e-15L, "currency and locale readings agree");
        }
    } else {
        Require(locale == 0.0, "a text that is not numeric reads as 0");
        Require(!currency.ok(), "the currency rule refuses a text that is not numeric");
    }
}

// A value typed as a whole number of units of the last place: digits / 10^places.
struct Typed {
    std::int64_t digits = 0;
    int places = 0;
};

// The ten-thousandths a mask with `decimals` places shows for a typed value: in whole numbers,
// a half going away from zero. The masks see a double through 15 significant digits, which give
// back the typed digits exactly when there are at most 15 of them.
bool ExpectedTicks(const Typed& typed, int decimals, std::int64_t& ticks) {
    if (typed.digits <= -1'000'000'000'000'000 || typed.digits >= 1'000'000'000'000'000) return false;
    std::int64_t units = typed.digits;
    if (typed.places <= decimals) {
        for (int k = typed.places; k < decimals; ++k) units *= 10;
    } else {
        std::int64_t divisor = 1;
        for (int k = decimals; k < typed.places; ++k) divisor *= 10;
        const std::int64_t rest = units % divisor;
        units /= divisor;
        if (2 * (rest < 0 ? -rest : rest) >= divisor) units += typed.digits < 0 ? -1 : 1;
    }
    for (int k = decimals; k < 4; ++k) {
        if (units > INT64_MAX / 10 || units < INT64_MIN / 10) return false;
        units *= 10;
    }
    ticks = units;
    return true;
}

void CheckReadBack(const std::string& number, double value, int decimals, const Typed* typed,
                   const zolt::RegionalSettings& region) {
    const zolt::CurrencyReading back = zolt::CurrencyNumber(number, region);
    const long double magnitude = std::fabs(static_cast<long double>(value));
    if (magnitude > 1.01L * kCurrencyLimit) {
        Require(back.error == zolt::CurrencyError::Overflow, "a value beyond the currency range overflows");
        return;
    }
    if (magnitude > 0.99L * kCurrencyLimit) return;  // the last place decides: either answer is right
    Require(back.ok(), "a formatted value reads back");
    std::int64_t step = 1;
    for (int k = decimals; k < 4; ++k) step *= 10;
    Require(back.value.tenThousandths % step == 0, "the value read back has the mask's decimals");
    const long double gap = std::fabs(static_cast<long double>(back.Amount()) - value);
    Require(gap <= 0.5L * std::pow(10.0L, -decimals) * (1 + 1e-9L) + magnitude * 1e-14L,
            "the value read back is the value rounded to the mask's places");
    std::int64_t ticks = 0;
    if (typed && ExpectedTicks(*typed, decimals, ticks))
        Require(back.value.tenThousandths == ticks, "the mask rounds the typed value, halves away from zero");
}

void Masks(double value, const Typed* typed, const zolt::RegionalSettings& region) {
    if (!std::isfinite(value)) {
        for (const NumericMask& m : kNumericMasks)
            Require(zolt::FormatNumber(value, m.mask, region).empty(), "no text for a non-finite value");
        return;
    }
    for (const NumericMask& m : kNumericMasks)
        CheckReadBack(zolt::FormatNumber(value, m.mask, region), value, m.decimals, typed, region);

    const std::string bytes = zolt::FormatNumber(value, "#,# \\b\\y\\t\\e\\s", region);
    constexpr std::string_view kBytes = " bytes";
    Require(bytes.ends_with(kBytes), "the byte count ends in \" bytes\"");
    // "#" forces no digit: a count that rounds to 0 shows no number at all, as "##" does.
    const std::string count = bytes.substr(0, bytes.size() - kBytes.size());
    if (count.empty()) {
        Require(std::fabs(value) < 0.5, "only a count that rounds to 0 shows no digit");
    } else {
        CheckReadBack(count, value, 0, typed, region);
    }

    // Serial days of the years 1 to 9999 render as dd.mm.yyyy and name the same day again.
    const double day = std::floor(value);
    if (day >= -693593.0 && day <= 2958465.0) {
        const std::string date = zolt::FormatNumber(value, "dd.mm.yyyy", region);
        int d = 0, m = 0, y = 0;
        char tail = 0;
        Require(date.size() == 10 && std::sscanf(date.c_str(), "%2d.%2d.%4d%c", &d, &m, &y, &tail) == 3,
                "a date renders as dd.mm.yyyy");
        Require(zolt::DateSerial(y, m, d) == day, "the rendered date is the serial day");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const zolt::RegionalSettings& region = kRegions[input.ConsumeIntegralInRange<std::size_t>(0, kRegions.size() - 1)];
    const double raw = input.ConsumeFloatingPoint<double>();
    // A value with few decimals, as amounts are typed, reaches the rounding ties the raw one misses.
    Typed typed;
    typed.digits = input.ConsumeIntegral<std::int64_t>();
    typed.places = input.ConsumeIntegralInRange<int>(0, 8);
    const std::string text = input.ConsumeRemainingBytesAsString();

    ReadingRules(text, region);
    Masks(raw, nullptr, region);
    Masks(static_cast<double>(typed.digits) / std::pow(10.0, typed.places), &typed, region);
    return 0;
}
