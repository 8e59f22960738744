#pragma once
// Gregorian date arithmetic for the perpetual calendar: weekdays, exact day differences and
// the reading of a date from its four texts (day, month, century, two-digit year).

#include <array>
#include <string>
#include <string_view>

namespace zolt {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// Divisible by 4, except years divisible by 100 that are not divisible by 400.
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(const CalendarDate& date);

// 0 = Montag ... 6 = Sonntag, by the calendar's own whole-number formula (January and
// February count as months 13 and 14 of the previous year). Meant for years 1 and later.
int WeekdayIndex(const CalendarDate& date);
// "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend", "Sonntag".
std::string_view WeekdayName(int index);

// Days from 1 January 1970 in the proleptic Gregorian calendar (negative before it).
long long DayNumber(const CalendarDate& date);
// to minus from, in days: positive when to lies after from.
long long DaysBetween(const CalendarDate& from, const CalendarDate& to);

// The ranges the calendar's lists offer.
constexpr int kFirstCentury = 15;
constexpr int kLastCentury = 21;

struct DateTexts {
    std::string day;
    std::string month;
    std::string century;
    std::string year;  // two digits
};

enum class DateField { None, Day, Month, Century, Year };

struct DateReading {
    CalendarDate date;                  // after the 29 February correction
    DateField badField = DateField::None;  // the first text that is no number of its list
    bool leapDayCorrected = false;      // 29 February of a common year became the 28th
    bool exists = false;                // the (corrected) date is a day of the calendar
    bool ok() const { return badField == DateField::None && exists; }
};

// Each text must be a whole number (blanks around it allowed) within its list's range:
// day 1-31, month 1-12, century 15-21, year 0-99; the year is century * 100 + year.
// Then 29 February of a common year is moved to the 28th, and last a date that does not
// exist (31 April, 30 February) is marked as such.
DateReading ReadDate(const DateTexts& texts);

}  // namespace zolt
