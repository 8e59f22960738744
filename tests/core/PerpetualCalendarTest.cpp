#include "core/PerpetualCalendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

namespace zolt {
namespace {

// The reference: the standard library's own calendar (proleptic Gregorian).
std::chrono::sys_days Reference(const CalendarDate& date) {
    return std::chrono::sys_days{std::chrono::year{date.year} / std::chrono::month{static_cast<unsigned>(date.month)} /
                                 std::chrono::day{static_cast<unsigned>(date.day)}};
}

CalendarDate RandomDate(std::mt19937& random) {
    std::uniform_int_distribution<int> years(1500, 2199);
    std::uniform_int_distribution<int> months(1, 12);
    const int year = years(random);
    const int month = months(random);
    const unsigned last = static_cast<unsigned>(
        (std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} / std::chrono::last).day());
    std::uniform_int_distribution<int> days(1, static_cast<int>(last));
    return CalendarDate{year, month, days(random)};
}

TEST(PerpetualCalendar, DayDifferencesMatchTheStandardCalendar) {
    std::mt19937 random(20261205u);
    for (int i = 0; i < 20000; ++i) {
        const CalendarDate a = RandomDate(random);
        const CalendarDate b = RandomDate(random);
        const long long expected = (Reference(b) - Reference(a)).count();
        ASSERT_EQ(DaysBetween(a, b), expected) << a.day << "." << a.month << "." << a.year << " -> " << b.day << "."
                                               << b.month << "." << b.year;
    }
}

TEST(PerpetualCalendar, EveryDayOfTheRangeHasTheRightWeekday) {
    // Every single day from 1 January 1500 to 31 December 2199, one after the other: the
    // weekday formula and the day numbers against the standard library's calendar.
    std::chrono::sys_days day = Reference({1500, 1, 1});
    const std::chrono::sys_days end = Reference({2199, 12, 31});
    for (; day <= end; day += std::chrono::days{1}) {
        const std::chrono::year_month_day ymd{day};
        const CalendarDate d{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                             static_cast<int>(static_cast<unsigned>(ymd.day()))};
        ASSERT_EQ(WeekdayIndex(d), static_cast<int>(std::chrono::weekday{day}.iso_encoding()) - 1);
        ASSERT_EQ(DayNumber(d), day.time_since_epoch().count());
    }
}

struct WeekdayCase {
    const char* name;
    CalendarDate date;
    std::string weekday;
};

class KnownWeekday : public ::testing::TestWithParam<WeekdayCase> {};

TEST_P(KnownWeekday, IsNamed) {
    EXPECT_EQ(WeekdayName(WeekdayIndex(GetParam().date)), GetParam().weekday);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, KnownWeekday,
    ::testing::Values(WeekdayCase{"Dec5th2026", {2026, 12, 5}, "Sonnabend"},
                      WeekdayCase{"Jan1st2000", {2000, 1, 1}, "Sonnabend"},
                      WeekdayCase{"Leap2000", {2000, 2, 29}, "Dienstag"}),
    [](const ::testing::TestParamInfo<WeekdayCase>& row) { return std::string(row.param.name); });

TEST(PerpetualCalendar, CenturyBetweenTwoDates) {
    EXPECT_EQ(DaysBetween({1901, 1, 1}, {2001, 1, 1}), 36525);
    EXPECT_EQ(DaysBetween({2001, 1, 1}, {1901, 1, 1}), -36525);
    EXPECT_EQ(DaysBetween({2026, 12, 5}, {2026, 12, 5}), 0);
}

TEST(PerpetualCalendar, LeapYearRule) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(1600));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_FALSE(IsLeapYear(2026));
}

struct ReadCase {
    const char* name;
    DateTexts texts;
    DateField badField;
    bool corrected;
    bool exists;
    CalendarDate date;  // checked when the reading is ok
};

class DateTextReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DateTextReading, AcceptsCorrectsOrRefuses) {
    const ReadCase& c = GetParam();
    const DateReading reading = ReadDate(c.texts);
    EXPECT_EQ(reading.badField, c.badField);
    EXPECT_EQ(reading.leapDayCorrected, c.corrected);
    EXPECT_EQ(reading.exists, c.exists);
    if (reading.ok()) {
        EXPECT_EQ(reading.date, c.date);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, DateTextReading,
    ::testing::Values(
        ReadCase{"Plain", {"05", "12", "20", "26"}, DateField::None, false, true, {2026, 12, 5}},
        ReadCase{"OneDigitTexts", {"5", "3", "19", "6"}, DateField::None, false, true, {1906, 3, 5}},
        ReadCase{"Blanks", {" 07 ", "01", "15", "00"}, DateField::None, false, true, {1500, 1, 7}},
        ReadCase{"LastYearOffered", {"31", "12", "21", "99"}, DateField::None, false, true, {2199, 12, 31}},
        ReadCase{"LeapDayOfLeapYear", {"29", "02", "20", "00"}, DateField::None, false, true, {2000, 2, 29}},
        ReadCase{"LeapDayCorrected", {"29", "02", "19", "00"}, DateField::None, true, true, {1900, 2, 28}},
        ReadCase{"ThirtyFirstApril", {"31", "04", "20", "26"}, DateField::None, false, false, {}},
        ReadCase{"ThirtiethFebruary", {"30", "02", "20", "24"}, DateField::None, false, false, {}},
        ReadCase{"DayZero", {"00", "01", "20", "00"}, DateField::Day, false, false, {}},
        ReadCase{"DayTooLarge", {"32", "01", "20", "00"}, DateField::Day, false, false, {}},
        ReadCase{"DayNotANumber", {"x", "01", "20", "00"}, DateField::Day, false, false, {}},
        ReadCase{"DayEmpty", {"", "01", "20", "00"}, DateField::Day, false, false, {}},
        ReadCase{"DayWithTrailingText", {"5a", "01", "20", "00"}, DateField::Day, false, false, {}},
        ReadCase{"DayNegative", {"-5", "01", "20", "00"}, DateField::Day, false, false, {}},
        ReadCase{"DayHuge", {"99999999999999999999", "01", "20", "00"}, DateField::Day, false, false, {}},
        ReadCase{"MonthThirteen", {"01", "13", "20", "00"}, DateField::Month, false, false, {}},
        ReadCase{"MonthDecimal", {"01", "1,5", "20", "00"}, DateField::Month, false, false, {}},
        ReadCase{"CenturyTooEarly", {"01", "01", "14", "99"}, DateField::Century, false, false, {}},
        ReadCase{"CenturyTooLate", {"01", "01", "22", "00"}, DateField::Century, false, false, {}},
        ReadCase{"YearThreeDigits", {"01", "01", "20", "100"}, DateField::Year, false, false, {}},
        ReadCase{"YearText", {"01", "01", "20", "xx"}, DateField::Year, false, false, {}}),
    [](const ::testing::TestParamInfo<ReadCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zolt
