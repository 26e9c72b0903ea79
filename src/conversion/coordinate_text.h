#pragma once
// How converted programs write coordinates and centre words.

#include <string>

namespace tarnix {

// Fixed notation with three decimals at every magnitude (1234.56 gives
// 1234.560, 100002.25 gives 100002.250), rounded once from the value itself:
// controls read no exponent form, and rounding first to fewer digits would
// move a coordinate far from the origin or tip a last digit over. A value
// that rounds to zero has no sign.
std::string formatCoordinate(double value);

}  // namespace tarnix
