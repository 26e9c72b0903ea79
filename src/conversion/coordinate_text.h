#pragma once
// How converted programs write coordinates and centre words.

#include <string>

namespace tarnix {

// Three decimals after rounding to five significant digits (12.3456 gives
// 12.346, 12345.6 gives 12346.000); from 100000 on, five significant digits
// in exponent form with a lower-case "e" ("1.2346e+05"), which the word
// scanner reads back as one number. A value that rounds to zero has no sign.
std::string formatCoordinate(double value);

}  // namespace tarnix
