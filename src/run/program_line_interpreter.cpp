#include "run/program_line_interpreter.h"

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
    std::size_t end = text.find(';');
    if (end == std::string_view::npos)
        return roland_.SimulateRolandStr(text, lineNo);
    bool carryOn = true;
    for (; end != std::string_view::npos; end = text.find(';')) {
        // Every command runs, even after one that asks for a pause: the pause
        // takes effect after the line.
        carryOn = roland_.SimulateRolandStr(text.substr(0, end), lineNo) && carryOn;
        text.remove_prefix(end + 1);
    }
    return carryOn;
}

}  // namespace tarnix
