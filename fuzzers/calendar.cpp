// Any day, month and year texts through the calendar's date reading. It refuses them, or gives a
// date of the Gregorian calendar that its own two-digit texts read back to unchanged, that the
// serial-date rendering names again, and whose weekday agrees with its day number.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "core/NumberRules.h"
#include "core/PerpetualCalendar.h"
#include "fuzzers/FuzzCheck.h"

namespace {

using zolt::fuzz::Require;

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    zolt::DateTexts texts;
    texts.day = input.ConsumeRandomLengthString(16);
    texts.month = input.ConsumeRandomLengthString(16);
    texts.century = input.ConsumeRandomLengthString(16);
    texts.year = input.ConsumeRemainingBytesAsString();

    const zolt::DateReading reading = zolt::ReadDate(texts);
    if (!reading.ok()) return 0;  // refused
    const zolt::CalendarDate date = reading.date;
    Require(zolt::IsValidDate(date), "an accepted date exists");
    Require(date.year >= zolt::kFirstCentury * 100 && date.year <= zolt::kLastCentury * 100 + 99,
            "an accepted year lies in the lists' range");

    const zolt::DateTexts own{TwoDigits(date.day), TwoDigits(date.month), TwoDigits(date.year / 100),
                              TwoDigits(date.year % 100)};
    const zolt::DateReading again = zolt::ReadDate(own);
    Require(again.ok() && !again.leapDayCorrected && again.date == date, "the date's own texts read back to it");

    const std::string rendered = zolt::FormatNumber(zolt::DateSerial(date.year, date.month, date.day), "dd.mm.yyyy");
    Require(rendered == own.day + "." + own.month + "." + std::to_string(date.year), "the serial date names the same day");

    // 1 January 1970, day number 0, was a Thursday (index 3).
    const long long dayNumber = zolt::DayNumber(date);
    Require(zolt::WeekdayIndex(date) == static_cast<int>(((dayNumber + 3) % 7 + 7) % 7), "weekday and day number agree");
    Require(zolt::DaysBetween(zolt::CalendarDate{1970, 1, 1}, date) == dayNumber, "days counted from 1 January 1970");
    return 0;
}
