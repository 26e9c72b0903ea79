#pragma once
// Settings as a user may leave them: the edit texts often numbers in the
// forms people type, sometimes any bytes; the switches and transformation
// values at random.

#include "input_tail.h"
#include "interpretation/interpreter_settings.h"

namespace tarnix::fuzz {

void takeSettings(InputTail& input, TInterpreterSettings& settings);

}  // namespace tarnix::fuzz
