// Coverage-guided fuzzing of the zip directory reader: any bytes, taken as
// an archive file, are listed or refused with a TarnixError. Anything else
// escaping, a crash or a sanitizer report is a finding.

#include "common/errors.h"
#include "support/scratch_folder.h"
#include "zip/zip_archive.h"
#include "zip/zip_listing_cells.h"
#include "zip_test_platform.h"

#include <cstdint>

using namespace tarnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const testing::ScratchFolder scratch;
    const std::string archive =
        scratch.write("archive.zip", std::string_view(reinterpret_cast<const char*>(data), size));

    static testing::FakeVolumes volumes;
    static testing::PromptRecorder prompt;
    prompt.messages.clear();
    TsZip zip(volumes, prompt);
    try {
        zip.SetZipFileName(archive);
        for (int i = 0; i < zip.Count(); ++i) {
            const TFileInfo entry = zip.GetEntry(i);
            zipListingDate(entry);
            zipListingSize(entry);
        }
    } catch (const TarnixError&) {
    }
    return 0;
}
