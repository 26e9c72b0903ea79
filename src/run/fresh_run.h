#pragma once
// What a run started afresh (not resumed) sets before its first line: the
// totals, the position, the feeds, the plane and distance mode, and the
// transformation set-up with the converter on only for a transformation.

#include "interpretation/interpreter_context.h"

namespace tarnix {

// Throws ConversionError when "Rapid" (a G-code run) or the rotation angle
// of a transformation is no number.
void startFreshRun(InterpreterContext& context, bool transforming);

}  // namespace tarnix
