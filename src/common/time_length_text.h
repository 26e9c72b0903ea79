#pragma once
// The time and length texts of the status bar, the Info panel and reports.

#include <string>

namespace tarnix {

// Seconds rounded to whole seconds (halves to even) as "%2d:%2d:%2d":
// 3725 s gives " 1: 2: 5".
std::string formatTimeText(double seconds);

// Millimetres shown as metres with exactly three decimals: 12345.6789 gives "12.346".
std::string formatLengthText(double millimetres);

}  // namespace tarnix
