// Any bytes as the settings file: read, written back (which keeps the lines
// it does not know) and read again.

#include "common/errors.h"
#include "support/scratch_folder.h"
#include "settings/configuration.h"

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const testing::ScratchFolder scratch;
    const std::string file = scratch.write(
        kSettingsFileName, std::string_view(reinterpret_cast<const char*>(data), size));
    Configuration configuration("/home/");
    try {
        configuration.ReadConfiguration(file);
        configuration.WriteConfiguration(file);
        Configuration(configuration.FCurrentFolder).ReadConfiguration(file);
    } catch (const ConversionError&) {
    }
    return 0;
}
