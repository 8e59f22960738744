#include "core/NumberRules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace zolt {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// A number taken apart into its decimal digits, so that readings can round exactly.
struct DecimalParts {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    long exponent = 0;  // clamped far beyond any double or currency range
};

constexpr long kExponentClamp = 100000;

double PartsToDouble(const DecimalParts& parts) {
    std::string text = parts.integerDigits.empty() ? "0" : parts.integerDigits;
    if (!parts.fractionDigits.empty()) text += "." + parts.fractionDigits;
    text += "e" + std::to_string(parts.exponent);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars reports both overflow and underflow this way; tell them apart by the
        // place of the first significant digit (leading zeros count for nothing: 0,000…1 is tiny).
        const auto firstInteger = parts.integerDigits.find_first_not_of('0');
        long magnitude = parts.exponent;
        if (firstInteger != std::string::npos) {
            magnitude += static_cast<long>(parts.integerDigits.size() - firstInteger);
        } else {
            const auto firstFraction = parts.fractionDigits.find_first_not_of('0');
            magnitude -= static_cast<long>(firstFraction == std::string::npos ? 0 : firstFraction);
        }
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return parts.negative ? -value : value;
}

bool StartsWith(std::string_view text, std::size_t at, std::string_view what) {
    return !what.empty() && text.substr(at, what.size()) == what;
}

// Parses a whole text in the regional format. Returns false when it is not one number.
bool ParseRegional(std::string_view text, const RegionalSettings& region, DecimalParts& parts) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    text = text.substr(begin, end - begin);
    if (text.empty()) return false;

    std::size_t pos = 0;
    bool signSeen = false;
    bool currencySeen = false;
    auto skipBlanks = [&] {
        while (pos < text.size() && IsBlank(text[pos])) ++pos;
    };
    auto takeSign = [&]() -> bool {
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            if (signSeen) return false;
            signSeen = true;
            parts.negative = text[pos] == '-';
            ++pos;
            skipBlanks();
        }
        return true;
    };
    auto takeCurrency = [&] {
        if (!currencySeen && StartsWith(text, pos, region.currencySymbol)) {
            currencySeen = true;
            pos += region.currencySymbol.size();
            skipBlanks();
        }
    };

    // Prefix: sign and currency symbol in either order.
    if (!takeSign()) return false;
    takeCurrency();
    if (!takeSign()) return false;

    // Mantissa: digits with thousands separators (only after a digit), decimal part.
    bool anyDigit = false;
    bool inFraction = false;
    while (pos < text.size()) {
        const char c = text[pos];
        if (IsDigit(c)) {
            (inFraction ? parts.fractionDigits : parts.integerDigits).push_back(c);
            anyDigit = true;
            ++pos;
        } else if (!inFraction && StartsWith(text, pos, region.decimalSeparator)) {
            inFraction = true;
            pos += region.decimalSeparator.size();
        } else if (!inFraction && anyDigit && StartsWith(text, pos, region.thousandsSeparator) &&
                   pos + region.thousandsSeparator.size() < text.size() &&
                   IsDigit(text[pos + region.thousandsSeparator.size()])) {
            pos += region.thousandsSeparator.size();
        } else {
            break;
        }
    }
    if (!anyDigit) return false;

    // Exponent.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E' || text[pos] == 'd' || text[pos] == 'D')) {
        std::size_t p = pos + 1;
        bool expNegative = false;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
            expNegative = text[p] == '-';
            ++p;
        }
        if (p >= text.size() || !IsDigit(text[p])) return false;
        long exponent = 0;
        while (p < text.size() && IsDigit(text[p])) {
            if (exponent < kExponentClamp) exponent = exponent * 10 + (text[p] - '0');
            ++p;
        }
        parts.exponent = expNegative ? -exponent : exponent;
        pos = p;
    }

    // Suffix: currency symbol and a trailing sign, in either order.
    skipBlanks();
    takeCurrency();
    if (!takeSign()) return false;
    takeCurrency();
    return pos == text.size();
}

std::string Group(const std::string& digits, const std::string& separator) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out.push_back(digits[i]);
    }
    return out;
}

struct MaskShape {
    std::string prefix;
    std::string suffix;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
    bool hasPoint = false;
};

MaskShape ParseMask(std::string_view mask) {
    MaskShape shape;
    bool seenPlaceholder = false;
    bool afterPoint = false;
    std::string pendingLiteral;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        if (c == '\\' && i + 1 < mask.size()) {
            pendingLiteral.push_back(mask[++i]);
        } else if (c == '"') {
            const std::size_t close = mask.find('"', i + 1);
            const std::size_t stop = close == std::string_view::npos ? mask.size() : close;
            pendingLiteral.append(mask.substr(i + 1, stop - i - 1));
            i = stop;
        } else if (c == '#' || c == '0') {
            if (!seenPlaceholder) {
                shape.prefix = pendingLiteral;
                pendingLiteral.clear();
            }
            seenPlaceholder = true;
            if (afterPoint) {
                ++shape.maxDecimals;
                if (c == '0') shape.minDecimals = shape.maxDecimals;
            } else if (c == '0') {
                ++shape.minIntegerDigits;
            }
        } else if (c == ',' && !afterPoint && seenPlaceholder) {
            shape.grouping = true;
        } else if (c == '.' && !afterPoint) {
            if (!seenPlaceholder) {
                shape.prefix = pendingLiteral;
                pendingLiteral.clear();
                seenPlaceholder = true;
            }
            afterPoint = true;
            shape.hasPoint = true;
        } else {
            pendingLiteral.push_back(c);
        }
    }
    if (seenPlaceholder) shape.suffix = pendingLiteral;
    else shape.prefix = pendingLiteral;
    return shape;
}

std::string RenderMask(double value, std::string_view mask, const RegionalSettings& region) {
    const MaskShape shape = ParseMask(mask);
    std::string integerPart;
    std::string fractionPart;
    RoundDecimal(std::fabs(value), shape.maxDecimals, integerPart, fractionPart);
    // Optional decimal places ("#" after the point) drop trailing zeros.
    while (static_cast<int>(fractionPart.size()) > shape.minDecimals && !fractionPart.empty() &&
           fractionPart.back() == '0')
        fractionPart.pop_back();
    if (static_cast<int>(integerPart.size()) < shape.minIntegerDigits)
        integerPart.insert(0, static_cast<std::size_t>(shape.minIntegerDigits) - integerPart.size(), '0');
    std::string out;
    // Every negative value shows its sign, also one that rounds to zero: -0,001 reads "-,00"
    // beside a warning that the capital shrank, not a positive-looking ",00". -0.0 is zero.
    if (value < 0) out.push_back('-');
    out += shape.prefix;
    out += shape.grouping ? Group(integerPart, region.thousandsSeparator) : integerPart;
    if (shape.hasPoint && (!fractionPart.empty() || shape.minDecimals > 0)) {
        out += region.decimalSeparator;
        out += fractionPart;
    }
    out += shape.suffix;
    return out;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Civil-from-days (Howard Hinnant's algorithm), days relative to 1970-01-01.
void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

long long DaysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yoe = year - era * 400;
    const long long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr long long kSerialEpochFrom1970 = -25569;  // 30.12.1899 relative to 01.01.1970

std::string TwoDigits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

}  // namespace

void RoundDecimal(double magnitude, int decimals, std::string& integerPart, std::string& fractionPart) {
    // d.dddddddddddddde±xx: the 15 significant digits, the same as printf's "%.14e".
    std::array<char, 32> scientific{};
    const char* end =
        std::to_chars(scientific.data(), scientific.data() + scientific.size(), magnitude, std::chars_format::scientific, 14).ptr;
    const char* e = std::find(static_cast<const char*>(scientific.data()), end, 'e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    // value = 0.digits × 10^(exponent + 1): pointPos digits stand before the decimal point.
    std::string& digits = integerPart;
    digits.clear();
    for (const char* p = scientific.data(); p != e; ++p)
        if (IsDigit(*p)) digits.push_back(*p);
    int pointPos = exponent + 1;
    if (pointPos < 0) {
        digits.insert(0, static_cast<std::size_t>(-pointPos), '0');
        pointPos = 0;
    }
    if (static_cast<int>(digits.size()) < pointPos + decimals + 1)
        digits.append(static_cast<std::size_t>(pointPos + decimals + 1) - digits.size(), '0');
    const std::size_t keep = static_cast<std::size_t>(pointPos + decimals);
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        int i = static_cast<int>(keep) - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
            digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[static_cast<std::size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            ++pointPos;
        }
    }
    fractionPart.assign(digits, static_cast<std::size_t>(pointPos), std::string::npos);
    digits.resize(static_cast<std::size_t>(pointPos));
    const auto firstNonZero = digits.find_first_not_of('0');
    digits.erase(0, firstNonZero == std::string::npos ? digits.size() : firstNonZero);
}

bool IsFinite(double value) { return std::isfinite(value); }

double LeadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    auto next = [&]() -> int {  // next non-blank character, or -1
        while (pos < text.size() && IsBlank(text[pos])) ++pos;
        return pos < text.size() ? static_cast<unsigned char>(text[pos]) : -1;
    };
    DecimalParts parts;
    int c = next();
    if (c == '+' || c == '-') {
        parts.negative = c == '-';
        ++pos;
    }
    bool inFraction = false;
    while ((c = next()) != -1) {
        if (IsDigit(static_cast<char>(c))) {
            (inFraction ? parts.fractionDigits : parts.integerDigits).push_back(static_cast<char>(c));
            ++pos;
        } else if (c == '.' && !inFraction) {
            inFraction = true;
            ++pos;
        } else {
            break;
        }
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) return 0.0;
    if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        ++pos;
        bool expNegative = false;
        c = next();
        if (c == '+' || c == '-') {
            expNegative = c == '-';
            ++pos;
        }
        long exponent = 0;
        while ((c = next()) != -1 && IsDigit(static_cast<char>(c))) {
            if (exponent < kExponentClamp) exponent = exponent * 10 + (c - '0');
            ++pos;
        }
        parts.exponent = expNegative ? -exponent : exponent;
    }
    return PartsToDouble(parts);
}

bool IsNumericText(std::string_view text, const RegionalSettings& region) {
    DecimalParts parts;
    if (!ParseRegional(text, region, parts)) return false;
    return std::isfinite(PartsToDouble(parts));
}

double LocaleNumber(std::string_view text, const RegionalSettings& region) {
    DecimalParts parts;
    if (!ParseRegional(text, region, parts)) return 0.0;
    const double value = PartsToDouble(parts);
    return std::isfinite(value) ? value : 0.0;  // beyond the double range: not numeric either
}

CurrencyReading CurrencyNumber(std::string_view text, const RegionalSettings& region) {
    DecimalParts parts;
    if (!ParseRegional(text, region, parts)) return {{}, CurrencyError::NotNumeric};

    // value = digits × 10^scale ten-thousandths
    std::string digits = parts.integerDigits + parts.fractionDigits;
    const long scale = parts.exponent - static_cast<long>(parts.fractionDigits.size()) + 4;
    const auto firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) return {{0}, CurrencyError::None};
    digits.erase(0, firstNonZero);

    bool roundUp = false;
    if (scale >= 0) {
        if (static_cast<long>(digits.size()) + scale > 20) return {{}, CurrencyError::Overflow};
        digits.append(static_cast<std::size_t>(scale), '0');
    } else {
        const long drop = -scale;
        std::string rest;
        if (drop >= static_cast<long>(digits.size())) {
            rest = std::string(static_cast<std::size_t>(drop) - digits.size(), '0') + digits;
            digits.clear();
        } else {
            rest = digits.substr(digits.size() - static_cast<std::size_t>(drop));
            digits.resize(digits.size() - static_cast<std::size_t>(drop));
        }
        // Half to even: above a half rounds up, exactly a half goes to the even neighbour.
        if (!rest.empty() && rest[0] > '5') {
            roundUp = true;
        } else if (!rest.empty() && rest[0] == '5') {
            const bool moreThanHalf = rest.find_first_not_of('0', 1) != std::string::npos;
            const bool lastOdd = !digits.empty() && ((digits.back() - '0') % 2 == 1);
            roundUp = moreThanHalf || lastOdd;
        }
        if (digits.size() > 20) return {{}, CurrencyError::Overflow};
    }
    // At most 20 digits here; accumulate with an overflow guard instead of a wider type.
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t magnitude = 0;
    for (char d : digits) {
        const auto digit = static_cast<std::uint64_t>(d - '0');
        if (magnitude > (kMax - digit) / 10) return {{}, CurrencyError::Overflow};
        magnitude = magnitude * 10 + digit;
    }
    if (roundUp) {
        if (magnitude == kMax) return {{}, CurrencyError::Overflow};
        ++magnitude;
    }
    const std::uint64_t positiveLimit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    const std::uint64_t limit = parts.negative ? positiveLimit + 1 : positiveLimit;
    if (magnitude > limit) return {{}, CurrencyError::Overflow};
    std::int64_t ticks = 0;
    if (parts.negative) {
        ticks = magnitude == limit ? std::numeric_limits<std::int64_t>::min()
                                   : -static_cast<std::int64_t>(magnitude);
    } else {
        ticks = static_cast<std::int64_t>(magnitude);
    }
    return {{ticks}, CurrencyError::None};
}

std::string FormatText(std::string_view text, std::string_view mask) {
    std::size_t width = 0;
    for (char c : mask)
        if (c == '@') ++width;
    std::string out;
    // Width counts characters, not bytes, so that "€" pads like any other sign.
    std::size_t characters = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++characters;
    if (characters < width) out.assign(width - characters, ' ');
    out.append(text);
    return out;
}

std::string FormatGeneral(double value, const RegionalSettings& region) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0";
    const double magnitude = std::fabs(value);
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.14e", magnitude);
    std::string mantissa;
    const char* p = buffer.data();
    for (; *p && *p != 'e'; ++p)
        if (IsDigit(*p)) mantissa.push_back(*p);
    int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
    std::string out = value < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        out += mantissa.substr(0, 1);
        if (mantissa.size() > 1) out += region.decimalSeparator + mantissa.substr(1);
        std::string exp = std::to_string(exponent < 0 ? -exponent : exponent);
        if (exp.size() < 2) exp = "0" + exp;
        out += std::string("E") + (exponent < 0 ? "-" : "+") + exp;
        return out;
    }
    if (exponent < 0) {
        out += "0" + region.decimalSeparator + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
        return out;
    }
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= integerDigits) {
        out += mantissa + std::string(integerDigits - mantissa.size(), '0');
    } else {
        out += mantissa.substr(0, integerDigits) + region.decimalSeparator + mantissa.substr(integerDigits);
    }
    return out;
}

double DateSerial(int year, int month, int day) {
    return static_cast<double>(DaysFromCivil(year, month, day) - kSerialEpochFrom1970);
}

double TimeSerial(int hour, int minute, int second) {
    return (static_cast<double>(hour) * 3600.0 + minute * 60.0 + second) / 86400.0;
}

std::string FormatNumber(double value, std::string_view mask, const RegionalSettings& region) {
    if (!std::isfinite(value)) return {};
    if (EqualsIgnoringCase(mask, "currency")) {
        std::string out = RenderMask(value, "#,##0.00", region);
        return out + " " + region.currencySymbol;
    }
    if (!mask.empty() && mask.find_first_not_of('@') == std::string_view::npos)
        return FormatText(FormatGeneral(value, region), mask);
    if (mask == "dd.mm.yyyy" || mask == "hh:mm") {
        const double whole = std::floor(value);
        if (mask == "dd.mm.yyyy") {
            if (std::fabs(whole) > 1e8) return {};
            int y = 0, m = 0, d = 0;
            CivilFromDays(static_cast<long long>(whole) + kSerialEpochFrom1970, y, m, d);
            std::string year = std::to_string(y);
            if (year.size() < 4) year.insert(0, 4 - year.size(), '0');
            return TwoDigits(d) + "." + TwoDigits(m) + "." + year;
        }
        const long long seconds = std::llround((value - whole) * 86400.0) % 86400;
        return TwoDigits(static_cast<int>(seconds / 3600)) + ":" + TwoDigits(static_cast<int>(seconds / 60 % 60));
    }
    return RenderMask(value, mask, region);
}

}  // namespace zolt
