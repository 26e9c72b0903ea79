#include "common/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tarnix {
namespace {

std::string nonFiniteText(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

}  // namespace

std::string formatGeneral(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0)
        return "0";

    // 15 significant digits: one before the point, 14 after, in scientific form.
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                std::chars_format::scientific, 14);
    std::string scientific(buffer, result.ptr);
    std::size_t ePos = scientific.find('e');
    int exponent = std::atoi(scientific.c_str() + ePos + 1);

    bool negative = scientific.front() == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
        if (scientific[i] != '.')
            digits += scientific[i];
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = negative ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        text += digits.substr(0, 1);
        if (digits.size() > 1)
            text += "." + digits.substr(1);
        text += "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
        }
    }
    return text;
}

std::string formatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

double roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is round-to-nearest-even.
    return std::nearbyint(value);
}

std::int64_t roundHalfEvenToInt(double value)
{
    if (std::isnan(value))
        return 0;
    double rounded = roundHalfEven(value);
    constexpr double limit = 9.2e18;
    if (rounded >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (rounded <= -limit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(rounded);
}

}  // namespace tarnix
