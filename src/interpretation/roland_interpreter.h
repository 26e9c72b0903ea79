#pragma once
// The Roland interpreter: one command of a Roland mill program at a time,
// without its ";" (the callers split the text). Coordinates are machine
// steps; points are stored at 0.0001 × steps. A speed of exactly 64 marks a
// travel move.

#include "interpretation/interpreter_context.h"

#include <cstdint>
#include <string_view>

namespace tarnix {

class RolandInterpreter {
public:
    explicit RolandInterpreter(InterpreterContext& context) : context_(context) {}

    // One coordinate text: without its leading "Z" when it has one.
    // Throws ConversionError when the rest is empty or no number.
    static double GetNum(std::string_view text);

    // Interprets `command` of program line `lineNo` (from 1) and appends
    // exactly one point, whatever the command. Returns false when a "V" or
    // "F" command asks a run to pause (cbFchange). A number that does not
    // convert throws ConversionError: no point is appended, and the values
    // stored before the failing piece stay.
    bool ParseRolandStr(std::string_view command, std::int32_t lineNo);

    // ParseRolandStr, then the move's length and time into the totals, and
    // the status texts while a run is slowed down or about to pause.
    bool SimulateRolandStr(std::string_view command, std::int32_t lineNo);

private:
    void readZCommand(std::string_view command);
    void showStatus(std::string_view command);

    InterpreterContext& context_;
};

}  // namespace tarnix
