// Any bytes as a program file: its kind from its first line, what the kind's
// reader finds in it, the "AirHead" marker and comment header, and the
// Explorer's description. Reader errors are TarnixErrors; anything else
// escaping, a crash or a sanitizer report is a finding.

#include "checking_sinks.h"
#include "common/errors.h"
#include "fuzzed_settings.h"
#include "interpretation/fanuc_header_reader.h"
#include "interpretation/program_loader.h"
#include "support/scratch_folder.h"
#include "explorer/explorer_description.h"

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const testing::ScratchFolder scratch;
    fuzz::InputTail input(data, size);
    InterpreterContext context;
    fuzz::takeSettings(input, context.settings);
    // The ".tap" form of the header gives the tool and the box.
    const std::string program = scratch.write(input.flag() ? "program.tap" : "program.nc", input.front());
    fuzz::CheckingSinks sinks;
    sinks.connect(context);

    try {
        ProgramLoader(context).LoadTypeFile(program);
    } catch (const TarnixError&) {
    }
    try {
        FanucHeaderReader(context).GetFanucFileInfo(program);
    } catch (const TarnixError&) {
    }
    try {
        fuzz::CheckingStatus::requireUtf8(GetDescription(program));
    } catch (const TarnixError&) {
    }
    return 0;
}
