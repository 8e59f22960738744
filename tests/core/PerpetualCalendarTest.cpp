#include "core/PerpetualCalendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace zolt {
namespace {

TEST(PerpetualCalendar, EveryDayOfTheRangeHasTheRightWeekdayNumberAndMonthLength) {
    // Every single day from 1 January 1500 to 31 December 2199, one after the other: the
    // weekday formula, the day numbers and the month lengths against the standard library's calendar.
    using namespace std::chrono;
    for (sys_days day = sys_days{1500y / 1 / 1}; day <= sys_days{2199y / 12 / 31}; day += days{1}) {
        const year_month_day ymd{day};
        const CalendarDate d{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                             static_cast<int>(static_cast<unsigned>(ymd.day()))};
        ASSERT_EQ(WeekdayIndex(d), static_cast<int>(weekday{day}.iso_encoding()) - 1);
        ASSERT_EQ(DayNumber(d), day.time_since_epoch().count());
        ASSERT_EQ(DaysInMonth(d.year, d.month),
                  static_cast<int>(static_cast<unsigned>(year_month_day_last{ymd.year(), month_day_last{ymd.month()}}.day())));
    }
}

TEST(PerpetualCalendar, NamedWeekdaysDistancesAndLeapYears) {
    EXPECT_EQ(WeekdayName(WeekdayIndex({2026, 12, 5})), "Sonnabend");
    EXPECT_EQ(WeekdayName(WeekdayIndex({2000, 1, 1})), "Sonnabend");
    EXPECT_EQ(WeekdayName(WeekdayIndex({2000, 2, 29})), "Dienstag");
    EXPECT_EQ(DaysBetween({1901, 1, 1}, {2001, 1, 1}), 36525);
    EXPECT_EQ(DaysBetween({2001, 1, 1}, {1901, 1, 1}), -36525);
    EXPECT_EQ(DaysBetween({2026, 12, 5}, {2026, 12, 5}), 0);
    for (int year : {2000, 1600, 2024}) EXPECT_TRUE(IsLeapYear(year)) << year;
    for (int year : {1900, 2100, 2026}) EXPECT_FALSE(IsLeapYear(year)) << year;
}

struct ReadCase { const char* name; DateTexts texts; DateField badField; bool corrected; bool exists; CalendarDate date; };

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

using F = DateField;
INSTANTIATE_TEST_SUITE_P(
    Calendar, DateTextReading,
    ::testing::Values(
        ReadCase{"Plain", {"05", "12", "20", "26"}, F::None, false, true, {2026, 12, 5}},
        ReadCase{"OneDigitTexts", {"5", "3", "19", "6"}, F::None, false, true, {1906, 3, 5}},
        ReadCase{"Blanks", {" 07 ", "01", "15", "00"}, F::None, false, true, {1500, 1, 7}},
        ReadCase{"LastYearOffered", {"31", "12", "21", "99"}, F::None, false, true, {2199, 12, 31}},
        ReadCase{"LeapDayOfLeapYear", {"29", "02", "20", "00"}, F::None, false, true, {2000, 2, 29}},
        ReadCase{"LeapDayCorrected", {"29", "02", "19", "00"}, F::None, true, true, {1900, 2, 28}},
        ReadCase{"ThirtyFirstApril", {"31", "04", "20", "26"}, F::None, false, false, {}},
        ReadCase{"ThirtiethFebruary", {"30", "02", "20", "24"}, F::None, false, false, {}},
        ReadCase{"DayZero", {"00", "01", "20", "00"}, F::Day, false, false, {}},
        ReadCase{"DayTooLarge", {"32", "01", "20", "00"}, F::Day, false, false, {}},
        ReadCase{"DayNotANumber", {"x", "01", "20", "00"}, F::Day, false, false, {}},
        ReadCase{"DayEmpty", {"", "01", "20", "00"}, F::Day, false, false, {}},
        ReadCase{"DayWithTrailingText", {"5a", "01", "20", "00"}, F::Day, false, false, {}},
        ReadCase{"DayNegative", {"-5", "01", "20", "00"}, F::Day, false, false, {}},
        ReadCase{"DayHuge", {"99999999999999999999", "01", "20", "00"}, F::Day, false, false, {}},
        ReadCase{"MonthThirteen", {"01", "13", "20", "00"}, F::Month, false, false, {}},
        ReadCase{"CenturyTooEarly", {"01", "01", "14", "99"}, F::Century, false, false, {}},
        ReadCase{"CenturyTooLate", {"01", "01", "22", "00"}, F::Century, false, false, {}},
        ReadCase{"YearThreeDigits", {"01", "01", "20", "100"}, F::Year, false, false, {}}),
    [](const ::testing::TestParamInfo<ReadCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zolt
