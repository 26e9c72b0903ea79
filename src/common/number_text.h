#pragma once
// Reading numbers from program text, side files and settings.
// Accepted: blanks around, an optional sign, digits with "." as the decimal
// separator, an optional exponent. Anything else is a conversion error.
// The result never depends on the process locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnix {

// Throws ConversionError "'%s' is not a valid floating point value".
double parseFloat(std::string_view text);
// Throws ConversionError "'%s' is not a valid integer value"; 32-bit range.
std::int32_t parseInt(std::string_view text);

std::optional<double> tryParseFloat(std::string_view text);
std::optional<std::int32_t> tryParseInt(std::string_view text);

// Integers as the settings file holds them: decimal as parseInt, or
// hexadecimal after a leading "$" ("$000ff" is 255). Hexadecimal is the
// 32-bit pattern, so system colours written as "$80000005" stay negative.
// Throws ConversionError "'%s' is not a valid integer value".
std::int32_t parseIntOrHex(std::string_view text);
std::optional<std::int32_t> tryParseIntOrHex(std::string_view text);

// mantissa times ten to `exponent` where that is exact: a mantissa of at
// most 2^53 times or divided by a power of ten up to 1e22 is one correctly
// rounded operation on exact operands, so it is the very value a full
// conversion gives. False where it is not. Inline: the word scanner reads
// every number of a program this way.
inline bool exactDecimalValue(std::uint64_t mantissa, int exponent, bool negative, double& value)
{
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int kMostExponent = 22;
    constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
    if (mantissa == 0) {
        value = negative ? -0.0 : 0.0;
        return true;
    }
    if (mantissa > kExactMantissa || exponent < -kMostExponent || exponent > kMostExponent)
        return false;
    const double m = static_cast<double>(mantissa);
    value = exponent < 0 ? m / kPowersOfTen[-exponent] : m * kPowersOfTen[exponent];
    if (negative)
        value = -value;
    return true;
}

// Program text is read with "," as an alternative decimal separator.
std::string commasToPoints(std::string_view text);

}  // namespace tarnix
