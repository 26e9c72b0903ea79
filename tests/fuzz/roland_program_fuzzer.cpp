// A whole Roland program under random settings, command by command as path
// building splits it (or as a run simulates it). A command that is no number
// ends the program with a ConversionError, as it ends path building.

#include "checking_sinks.h"
#include "common/errors.h"
#include "fuzzed_settings.h"
#include "interpretation/program_line_reader.h"
#include "interpretation/roland_interpreter.h"
#include "support/scratch_folder.h"

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const testing::ScratchFolder scratch;
    fuzz::InputTail input(data, size);
    InterpreterContext context;
    context.settings.programKind = ProgramKind::Roland;
    fuzz::takeSettings(input, context.settings);
    const bool simulate = input.flag();
    fuzz::CheckingSinks sinks;
    sinks.connect(context);

    ProgramLineReader reader(scratch.write("program.rol", input.front()));
    RolandInterpreter interpreter(context);
    auto interpret = [&](std::string_view command, std::int32_t lineNo) {
        if (simulate)
            interpreter.SimulateRolandStr(command, lineNo);
        else
            interpreter.ParseRolandStr(command, lineNo);
    };
    std::string line;
    std::int32_t lineNo = 0;
    try {
        while (reader.readLine(line)) {
            ++lineNo;
            // Commands end with ";"; a line without one is one command.
            std::string_view rest = line;
            std::size_t end = rest.find(';');
            if (end == std::string_view::npos)
                interpret(rest, lineNo);
            for (; end != std::string_view::npos; end = rest.find(';')) {
                interpret(rest.substr(0, end), lineNo);
                rest.remove_prefix(end + 1);
            }
        }
    } catch (const ConversionError&) {
    }
    return 0;
}
