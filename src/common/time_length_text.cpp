#include "common/time_length_text.h"

#include "common/number_format.h"

#include <cinttypes>
#include <cstdio>

namespace tarnix {

std::string formatTimeText(double seconds)
{
    std::int64_t total = roundHalfEvenToInt(seconds);
    std::int64_t totalMinutes = total / 60;
    std::int64_t hours = totalMinutes / 60;
    std::int64_t minutes = totalMinutes - 60 * hours;
    std::int64_t secs = total % 60;
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%2" PRId64 ":%2" PRId64 ":%2" PRId64, hours, minutes, secs);
    return buffer;
}

std::string formatLengthText(double millimetres)
{
    return formatFixed(millimetres / 1000.0, 3);
}

}  // namespace tarnix
