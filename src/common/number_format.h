#pragma once
// Numbers shown as text: always "." as the decimal separator, whatever the
// locale of the process.

#include <cstdint>
#include <string>

namespace tarnix {

// The general form: the shortest decimal text with up to 15 significant
// digits; exponent form ("1.5E-6", "2E15") only when the magnitude is below
// 0.00001 or the value has more than 15 digits before the point.
std::string formatGeneral(double value);

// Fixed-point notation with exactly `decimals` digits after the point.
// A value that rounds to zero carries no minus sign.
std::string formatFixed(double value, int decimals);

// Rounds to the nearest whole number, halves to the even one (2.5 -> 2).
double roundHalfEven(double value);

// roundHalfEven as an integer; a NaN gives 0, values beyond the range clamp.
std::int64_t roundHalfEvenToInt(double value);

}  // namespace tarnix
