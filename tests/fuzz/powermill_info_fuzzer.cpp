// Any bytes as the PowerMill information file beside a program.

#include "checking_sinks.h"
#include "common/errors.h"
#include "fuzzed_settings.h"
#include "interpretation/powermill_info_reader.h"
#include "support/scratch_folder.h"

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const testing::ScratchFolder scratch;
    fuzz::InputTail input(data, size);
    InterpreterContext context;
    // The box is taken for G-code programs only.
    context.settings.programKind = input.flag() ? ProgramKind::Roland : ProgramKind::Fanuc;
    scratch.write("program.inf", input.front());
    fuzz::CheckingSinks sinks;
    sinks.connect(context);

    try {
        PowerMillInfoReader(context).GetPowerMillInfo(scratch.file("program.tap").string());
    } catch (const TarnixError&) {
    }
    return 0;
}
