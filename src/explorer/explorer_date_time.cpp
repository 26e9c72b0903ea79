#include "explorer/explorer_date_time.h"

#include "common/errors.h"

#include <array>
#include <cstdio>
#include <optional>

namespace tarnix {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Reads text left to right; every read fails softly so that one check at the
// end reports the whole text.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ == text_.size(); }
    void skipBlanks()
    {
        while (!atEnd() && text_[at_] == ' ')
            ++at_;
    }
    bool take(char c)
    {
        if (atEnd() || text_[at_] != c)
            return false;
        ++at_;
        return true;
    }
    // Up to `maxDigits` digits; `digits` tells how many there were.
    std::optional<int> number(int maxDigits, int* digits = nullptr)
    {
        int value = 0, count = 0;
        while (!atEnd() && isDigit(text_[at_]) && count < maxDigits) {
            value = value * 10 + (text_[at_++] - '0');
            ++count;
        }
        if (digits != nullptr)
            *digits = count;
        return count > 0 && (atEnd() || !isDigit(text_[at_])) ? std::optional<int>(value) : std::nullopt;
    }
    bool takeWord(std::string_view word)
    {
        if (text_.substr(at_, word.size()) != word)
            return false;
        at_ += word.size();
        return true;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

// Days from 1 March of year 0 (proleptic Gregorian calendar).
std::int64_t dayNumber(int year, int month, int day)
{
    const int y = month <= 2 ? year - 1 : year;
    const int era = y / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return std::int64_t{era} * 146097 + dayOfEra;
}

// The positions of day, month and year among the three numbers of a date.
std::array<int, 3> fieldSlots(DateOrder order)
{
    switch (order) {
    case DateOrder::MonthDayYear: return {1, 0, 2};
    case DateOrder::YearMonthDay: return {2, 1, 0};
    case DateOrder::DayMonthYear: break;
    }
    return {0, 1, 2};
}

// Hours, minutes and seconds after the date; false when malformed.
bool readTime(Cursor& in, int& hour, int& minute, int& second)
{
    std::optional<int> h = in.number(2);
    if (!h || !in.take(':'))
        return false;
    std::optional<int> m = in.number(2);
    if (!m)
        return false;
    std::optional<int> s = in.take(':') ? in.number(2) : std::optional<int>(0);
    if (!s)
        return false;
    hour = *h;
    minute = *m;
    second = *s;
    in.skipBlanks();
    const bool pm = in.takeWord("PM") || in.takeWord("pm");
    const bool am = !pm && (in.takeWord("AM") || in.takeWord("am"));
    if (am || pm) {
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    return hour < 24 && minute < 60 && second < 60;
}

}  // namespace

ListDateFormat ListDateFormat::fromPatterns(std::string_view shortDate, std::string_view longTime)
{
    ListDateFormat format;
    const std::size_t day = shortDate.find('d');
    const std::size_t month = shortDate.find('M');
    const std::size_t year = shortDate.find('y');
    if (day != std::string_view::npos && month != std::string_view::npos && year != std::string_view::npos) {
        if (year < month && month < day)
            format.order = DateOrder::YearMonthDay;
        else if (month < day)
            format.order = DateOrder::MonthDayYear;
    }
    bool quoted = false;
    bool separatorFound = false;
    int yearLetters = 0;
    for (char c : shortDate) {
        if (c == '\'')
            quoted = !quoted;
        else if (!quoted && c == 'y')
            ++yearLetters;
        else if (!quoted && !separatorFound && !isLetter(c) && !isDigit(c) && c != ' ') {
            format.separator = c;
            separatorFound = true;
        }
    }
    format.twoDigitYear = yearLetters == 2;
    quoted = false;
    for (char c : longTime) {
        if (c == '\'')
            quoted = !quoted;
        else if (!quoted && (c == 'a' || c == 'A'))
            format.twelveHourClock = true;
    }
    return format;
}

ListDateFormat ListDateFormat::archive()
{
    return {DateOrder::DayMonthYear, '/', true, false};
}

std::string formatListDate(const LocalDateTime& when, const ListDateFormat& format)
{
    char year[8];
    std::snprintf(year, sizeof year, format.twoDigitYear ? "%02d" : "%04d",
                  format.twoDigitYear ? when.year % 100 : when.year);
    char day[4], month[4];
    std::snprintf(day, sizeof day, "%02d", when.day % 100);
    std::snprintf(month, sizeof month, "%02d", when.month % 100);
    const std::string sep(1, format.separator);
    std::string text;
    switch (format.order) {
    case DateOrder::DayMonthYear: text = day + sep + month + sep + year; break;
    case DateOrder::MonthDayYear: text = month + sep + day + sep + year; break;
    case DateOrder::YearMonthDay: text = year + sep + month + sep + day; break;
    }
    if (when.hour == 0 && when.minute == 0 && when.second == 0)
        return text;
    char time[24];
    if (format.twelveHourClock)
        std::snprintf(time, sizeof time, " %d:%02d:%02d %s", (when.hour + 11) % 12 + 1, when.minute,
                      when.second, when.hour < 12 ? "AM" : "PM");
    else
        std::snprintf(time, sizeof time, " %02d:%02d:%02d", when.hour, when.minute, when.second);
    return text + time;
}

std::int64_t readListDate(std::string_view text, const ListDateFormat& format)
{
    Cursor in(text);
    in.skipBlanks();
    std::array<int, 3> numbers{};
    std::array<int, 3> digits{};
    bool valid = true;
    for (std::size_t n = 0; n < 3 && valid; ++n) {
        std::optional<int> value = in.number(4, &digits[n]);
        valid = value && (n == 2 || in.take(format.separator));
        numbers[n] = value.value_or(0);
    }
    const std::array<int, 3> slot = fieldSlots(format.order);
    int day = numbers[static_cast<std::size_t>(slot[0])];
    int month = numbers[static_cast<std::size_t>(slot[1])];
    int year = numbers[static_cast<std::size_t>(slot[2])];
    if (digits[static_cast<std::size_t>(slot[2])] <= 2)
        year += year < 50 ? 2000 : 1900;
    int hour = 0, minute = 0, second = 0;
    in.skipBlanks();
    if (valid && !in.atEnd())
        valid = readTime(in, hour, minute, second);
    in.skipBlanks();
    valid = valid && in.atEnd() && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
    if (!valid)
        throw ConversionError("'" + std::string(text) + "' is not a valid date and time");
    return dayNumber(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}

std::int32_t readTimeOfDay(std::string_view text)
{
    Cursor in(text);
    std::array<int, 3> parts{};
    bool valid = true;
    for (std::size_t n = 0; n < 3 && valid; ++n) {
        in.skipBlanks();
        std::optional<int> value = in.number(2);
        valid = value && (n == 2 || in.take(':'));
        parts[n] = value.value_or(0);
    }
    valid = valid && in.atEnd() && parts[0] < 24 && parts[1] < 60 && parts[2] < 60;
    if (!valid)
        throw ConversionError("'" + std::string(text) + "' is not a valid time");
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

}  // namespace tarnix
