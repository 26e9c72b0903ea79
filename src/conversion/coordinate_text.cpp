#include "conversion/coordinate_text.h"

#include "common/number_format.h"

#include <charconv>
#include <cmath>

namespace tarnix {

std::string formatCoordinate(double value)
{
    if (!std::isfinite(value))
        return formatFixed(value, 3);
    char buffer[64];
    auto scientific = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 4);
    double rounded = 0;
    std::from_chars(buffer, scientific.ptr, rounded);
    if (std::fabs(rounded) >= 100000)
        return std::string(buffer, scientific.ptr);
    return formatFixed(rounded, 3);
}

}  // namespace tarnix
