#pragma once
// The run engine's line interpreter: the program kind chosen in the settings
// picks the G-code or the Roland interpreter, both working on the window's
// InterpreterContext.

#include "interpretation/gcode_interpreter.h"
#include "interpretation/roland_interpreter.h"
#include "run/run_line_interpreter.h"

namespace tarnix {

class ProgramLineInterpreter : public RunLineInterpreter {
public:
    explicit ProgramLineInterpreter(InterpreterContext& context);

    // G-code: the whole line. Roland: each command before a ";", all with
    // the line's number, as path building splits them, so a run draws the
    // path a build draws; text after the last ";" is an unfinished command.
    // A line without ";" is one command. No kind chosen: nothing is executed.
    bool executeLine(std::string_view text, std::int32_t lineNo) override;

private:
    bool executeRolandLine(std::string_view text, std::int32_t lineNo);

    InterpreterContext& context_;
    GCodeInterpreter gcode_;
    RolandInterpreter roland_;
};

}  // namespace tarnix
