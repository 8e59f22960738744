#pragma once
// The shared rules for turning field texts into numbers and numbers into display texts.
// Texts are UTF-8. Regional settings are passed in so that tests (and a future settings
// reader) can vary them; the defaults are the German ones every text of the program assumes.

#include <cstdint>
#include <string>
#include <string_view>

namespace zolt {

struct RegionalSettings {
    std::string decimalSeparator = ",";
    std::string thousandsSeparator = ".";
    std::string currencySymbol = "\u20AC";  // €, written after the amount with one blank
};

// Reads a number from the start of the text the way a typed "Val" does: leading blanks,
// tabs and line breaks are skipped, blanks inside the number too; the decimal separator
// is always the point, an exponent is E or D. Reading stops at the first other character
// (not an error). "12abc" -> 12, "5,5" -> 5, "" -> 0, "abc" -> 0.
// A text beyond the double range reads as +/- infinity: callers that compute with it
// must refuse non-finite values (see IsFinite).
double LeadingNumber(std::string_view text);

// True when the trimmed text is one number in the regional format: optional sign (leading
// or trailing), digits with optional thousands separators, optional decimal separator and
// digits, optional exponent, optionally the currency symbol. Empty or blank text is not
// numeric; neither is a number beyond the double range.
bool IsNumericText(std::string_view text, const RegionalSettings& region = {});

// The whole text read in the regional format ("5,5" -> 5.5, "1.234,56" -> 1234.56).
// Meant for texts that passed IsNumericText; any other text reads as 0.
double LocaleNumber(std::string_view text, const RegionalSettings& region = {});

// Fixed-point currency value: ten-thousandths of a unit in a signed 64-bit integer.
struct Currency {
    std::int64_t tenThousandths = 0;
    double ToDouble() const { return static_cast<double>(tenThousandths) / 10000.0; }
    friend bool operator==(const Currency&, const Currency&) = default;
};

enum class CurrencyError { None, NotNumeric, Overflow };

struct CurrencyReading {
    Currency value;
    CurrencyError error = CurrencyError::None;
    bool ok() const { return error == CurrencyError::None; }
    double Amount() const { return value.ToDouble(); }
};

// LocaleNumber rounded to four decimals, a half at the fifth place going to the even
// neighbour. Rounding works on the decimal digits of the text, so 0,00015 really is a half.
// Beyond +/-922.337.203.685.477,5807 the reading is an Overflow error, never wrapped.
CurrencyReading CurrencyNumber(std::string_view text, const RegionalSettings& region = {});

// Renders a value by a display mask ("###,###,##0.00", "#0.00", "##.00", "0.0", "00",
// "000", "##", ...), by "Currency"/"currency", by "@@@"/"@@@@" (right-aligned text),
// "#,# \b\y\t\e\s", or the date/time masks "dd.mm.yyyy" and "hh:mm" (the value then is a
// serial date: days since 30.12.1899, the fraction being the time of day).
// Masks round halves away from zero; a negative value keeps its "-" even when it rounds
// to zero ("-0,00"), while -0.0 is zero and has none. Non-finite values render as an empty text.
std::string FormatNumber(double value, std::string_view mask, const RegionalSettings& region = {});

// |magnitude| (not negative) rounded to `decimals` places the way the masks round: half away
// from zero on the 15 significant digits a double is shown with. The integer digits without
// leading zeros (empty below 1) and exactly `decimals` fraction digits. The callers' strings
// are reused, so a table of millions of cells rounds without allocating per cell.
void RoundDecimal(double magnitude, int decimals, std::string& integerPart, std::string& fractionPart);

// A text right-aligned in a field of as many characters as the mask has "@" signs;
// a longer text is returned unchanged.
std::string FormatText(std::string_view text, std::string_view mask);

// A number written without a mask: up to 15 significant digits, no grouping, the regional
// decimal separator, and the exponent form (1E+15, 1,5E-07) outside 1e-4 .. 1e15.
std::string FormatGeneral(double value, const RegionalSettings& region = {});

// Serial date of a calendar day (days since 30.12.1899) and of a time of day.
double DateSerial(int year, int month, int day);
double TimeSerial(int hour, int minute, int second);

bool IsFinite(double value);

}  // namespace zolt
