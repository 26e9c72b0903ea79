#include "run/program_line_interpreter.h"

#include "interpretation/roland_commands.h"

namespace tarnix {

ProgramLineInterpreter::ProgramLineInterpreter(InterpreterContext& context)
    : context_(context), gcode_(context), roland_(context)
{
}

bool ProgramLineInterpreter::executeLine(std::string_view text, std::int32_t lineNo)
{
    switch (context_.settings.programKind) {
    case ProgramKind::Fanuc:
        return gcode_.SimulateFanucStr(text, lineNo);
    case ProgramKind::Roland:
        return executeRolandLine(text, lineNo);
    case ProgramKind::None:
        break;
    }
    return true;
}

bool ProgramLineInterpreter::executeRolandLine(std::string_view text, std::int32_t lineNo)
{
    // Every command runs, even after one that asks for a pause: the pause
    // takes effect after the line.
    bool carryOn = true;
    forEachRolandCommand(text, false, [&](std::string_view command) {
        carryOn = roland_.SimulateRolandStr(command, lineNo) && carryOn;
    });
    return carryOn;
}

}  // namespace tarnix
