#pragma once
// Writes status panels 0 to 2 from the interpreter's state and totals.

#include "interpretation/interpreter_context.h"

namespace tarnix {

// -1 empties panels 0 to 2; 0 the position; 1 the feeds; 2 line, time and
// length; any other mode does nothing.
void SetStatusBar(InterpreterContext& context, int mode);

// Panel 2's text: "Line 12  Time  1: 2: 5  Length(m) 12.346".
std::string lineTimeLengthText(long long line, double seconds, double millimetres);

}  // namespace tarnix
