// Any bytes as a program scanned from its first line to its last: as a
// Roland program (with an information file beside it, also any bytes) or as
// a G-code program under random settings.

#include "checking_sinks.h"
#include "common/errors.h"
#include "fuzzed_settings.h"
#include "interpretation/whole_file_scanner.h"
#include "support/scratch_folder.h"

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const testing::ScratchFolder scratch;
    fuzz::InputTail input(data, size);
    InterpreterContext context;
    fuzz::takeSettings(input, context.settings);
    const bool roland = input.flag();
    scratch.write("program.inf", input.text(255));
    const std::string program = scratch.write("program.rol", input.front());
    fuzz::CheckingSinks sinks;
    sinks.connect(context);

    try {
        if (roland)
            WholeFileScanner(context).GetRolandFileInfo(program);
        else
            WholeFileScanner(context).GetFanucTapFileInfo(program);
    } catch (const TarnixError&) {
    }
    return 0;
}
