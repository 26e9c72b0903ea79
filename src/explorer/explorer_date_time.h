#pragma once
// Dates and times in the Explorer list. The list keeps only texts, and the
// Date and Program Time sorts read them back, so the form a date is written
// in is the form it is read in: the user's numeric date order for folder
// listings, "dd/mm/yy hh:nn" for archive listings.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnix {

struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

struct ListDateFormat {
    DateOrder order = DateOrder::DayMonthYear;
    char separator = '/';
    bool twoDigitYear = false;
    bool twelveHourClock = false;

    // From the locale's short-date and long-time patterns ("M/d/yy",
    // "h:mm:ss AP t"). Months are always written as numbers, so that every
    // date can be read back; a pattern without a separator of its own
    // ("d MMM yyyy") gets "/".
    static ListDateFormat fromPatterns(std::string_view shortDate, std::string_view longTime);
    // The archive listing's dates: "dd/mm/yy hh:nn".
    static ListDateFormat archive();
};

// The date, a blank and the time with seconds; the time is left out when it
// is exactly midnight.
std::string formatListDate(const LocalDateTime& when, const ListDateFormat& format);

// A date in `format`'s order and separator with an optional time
// ("h:m", "h:m:s", either with AM or PM), as seconds counted from a fixed
// day, so that later dates give larger values. Two-digit years below 50 are
// 20xx. Throws ConversionError "'%s' is not a valid date and time".
std::int64_t readListDate(std::string_view text, const ListDateFormat& format);

// A time of day "h:m:s" with blanks allowed before each number, as seconds;
// hours 0 to 23. Throws ConversionError "'%s' is not a valid time".
std::int32_t readTimeOfDay(std::string_view text);

}  // namespace tarnix
