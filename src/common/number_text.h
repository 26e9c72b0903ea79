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

// Program text is read with "," as an alternative decimal separator.
std::string commasToPoints(std::string_view text);

}  // namespace tarnix
