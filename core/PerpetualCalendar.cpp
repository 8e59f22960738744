#include "core/PerpetualCalendar.h"

#include <optional>

namespace zolt {

namespace {

constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend", "Sonntag"};

// Floor division, so that the formulas hold for negative numbers as well.
long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

std::optional<int> WholeNumberIn(std::string_view text, int low, int high) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > high) return std::nullopt;  // also keeps long texts from overflowing
    }
    if (value < low) return std::nullopt;
    return value;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDays[static_cast<std::size_t>(month - 1)];
}

bool IsValidDate(const CalendarDate& date) {
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

int WeekdayIndex(const CalendarDate& date) {
    long long m = date.month;
    long long y = date.year;
    if (m <= 2) {
        m += 12;
        y -= 1;
    }
    const long long n = date.day + 2 * m + FloorDiv(3 * (m + 1), 5) + y + FloorDiv(y, 4) - FloorDiv(y, 100) +
                        FloorDiv(y, 400);
    return static_cast<int>(((n % 7) + 7) % 7);
}

std::string_view WeekdayName(int index) {
    if (index < 0 || index > 6) return {};
    return kWeekdayNames[static_cast<std::size_t>(index)];
}

long long DayNumber(const CalendarDate& date) {
    // Count whole 400-year cycles (146097 days) from 1 March of year 0, then years and
    // months within the cycle, with the year starting in March so the leap day comes last.
    const long long y = static_cast<long long>(date.year) - (date.month <= 2 ? 1 : 0);
    const long long era = FloorDiv(y, 400);
    const long long yearOfEra = y - era * 400;                       // 0 .. 399
    const long long monthFromMarch = (date.month + 9) % 12;          // March = 0
    const long long dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;  // 719468 days from 1 March 0000 to 1 January 1970
}

long long DaysBetween(const CalendarDate& from, const CalendarDate& to) { return DayNumber(to) - DayNumber(from); }

DateReading ReadDate(const DateTexts& texts) {
    DateReading reading;
    const std::optional<int> day = WholeNumberIn(texts.day, 1, 31);
    const std::optional<int> month = WholeNumberIn(texts.month, 1, 12);
    const std::optional<int> century = WholeNumberIn(texts.century, kFirstCentury, kLastCentury);
    const std::optional<int> year = WholeNumberIn(texts.year, 0, 99);
    if (!day) reading.badField = DateField::Day;
    else if (!month) reading.badField = DateField::Month;
    else if (!century) reading.badField = DateField::Century;
    else if (!year) reading.badField = DateField::Year;
    if (reading.badField != DateField::None) return reading;

    reading.date = CalendarDate{*century * 100 + *year, *month, *day};
    if (reading.date.month == 2 && reading.date.day == 29 && !IsLeapYear(reading.date.year)) {
        reading.date.day = 28;
        reading.leapDayCorrected = true;
    }
    reading.exists = IsValidDate(reading.date);
    return reading;
}

}  // namespace zolt
