// Coverage-guided fuzzing of the zip directory reader: any bytes, taken as
// an archive file, are listed or refused with a TarnixError. Anything else
// escaping, a crash or a sanitizer report is a finding.

#include "common/errors.h"
#include "zip/zip_archive.h"
#include "zip/zip_listing_cells.h"
#include "zip_test_platform.h"

#include <cstdint>
#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace tarnix;

namespace {

// The reader takes a file name, so each input is written to this file.
struct ScratchArchive {
    std::string path = (std::filesystem::temp_directory_path()
                        / ("tarnix_zip_fuzz_" + std::to_string(::getpid()) + ".zip"))
                           .string();
    ~ScratchArchive() { std::filesystem::remove(path); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchArchive scratch;
    std::ofstream(scratch.path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    static testing::FakeVolumes volumes;
    static testing::PromptRecorder prompt;
    prompt.messages.clear();
    TsZip zip(volumes, prompt);
    try {
        zip.SetZipFileName(scratch.path);
        for (int i = 0; i < zip.Count(); ++i) {
            const TFileInfo entry = zip.GetEntry(i);
            zipListingDate(entry);
            zipListingSize(entry);
        }
    } catch (const TarnixError&) {
    }
    return 0;
}
