// A whole G-code program under random settings, block by block as path
// building runs it (or as a run simulates it). A block that is no number
// ends the program with a ConversionError, as it ends path building.

#include "checking_sinks.h"
#include "common/errors.h"
#include "fuzzed_settings.h"
#include "interpretation/gcode_interpreter.h"
#include "interpretation/program_line_reader.h"
#include "support/scratch_folder.h"

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const testing::ScratchFolder scratch;
    fuzz::InputTail input(data, size);
    InterpreterContext context;
    fuzz::takeSettings(input, context.settings);
    const bool simulate = input.flag();
    const bool runActive = input.flag();
    context.runActive = [runActive] { return runActive; };
    fuzz::CheckingSinks sinks;
    sinks.connect(context);

    ProgramLineReader reader(scratch.write("program.nc", input.front()));
    GCodeInterpreter interpreter(context);
    std::string line;
    std::int32_t lineNo = 0;
    try {
        while (reader.readLine(line)) {
            if (simulate)
                interpreter.SimulateFanucStr(line, ++lineNo);
            else
                interpreter.ParseFanucStr(line, ++lineNo);
        }
    } catch (const ConversionError&) {
    }
    return 0;
}
