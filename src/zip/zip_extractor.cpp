#include "zip/zip_extractor.h"

#include "zip/unz_dll_library.h"
#include "zip/zip_dll_callback.h"
#include "zip/zip_exception.h"
#include "zip/zip_listing_cells.h"

#include <filesystem>
#include <limits>
#include <system_error>
#include <utility>

namespace tarnix {
namespace {

// The callback counters and the current directory belong to the process:
// an extraction asked for from the message queue while the library runs
// would take both from under the running one.
bool extractionRunning = false;

class RunningExtraction {
public:
    RunningExtraction() { extractionRunning = true; }
    ~RunningExtraction() { extractionRunning = false; }
    RunningExtraction(const RunningExtraction&) = delete;
    RunningExtraction& operator=(const RunningExtraction&) = delete;
};

std::optional<std::uintmax_t> fileSystemFreeSpace(const std::string& folder)
{
    std::error_code error;
    const std::filesystem::space_info space = std::filesystem::space(folder, error);
    if (error)
        return std::nullopt;
    return space.available;
}

}  // namespace

ZipExtractor::ZipExtractor(const TsZip& zip, ZipExtractionWindow& window, std::string dllFolder)
    : FreeSpace(fileSystemFreeSpace), zip_(zip), window_(window), dllFolder_(std::move(dllFolder))
{
}

ZipExtractor::~ZipExtractor()
{
    ZipFreeDlls();
}

int ZipExtractor::Extract()
{
    if (extractionRunning)
        return 0;
    const RunningExtraction running;

    Cancelled = false;
    failedEntries_.clear();
    libraryRan_ = false;
    if (zip_.Count() == 0)
        return 0;
    if (zip_.EndOfDir().Record.ThisDisk > 0) {
        window_.ShowInformation(
            "Cannot Add, Delete or Extract from a multiple disk Zip file...\n"
            "Merge this Zip file onto the hard disk before retrying.");
        return 0;
    }
    std::error_code error;
    if (!ExtrBaseDir.empty() && !std::filesystem::is_directory(ExtrBaseDir, error)) {
        window_.ShowInformation("Unable to extract files to:\n\"" + ExtrBaseDir + "\"\nThis folder does not exist.");
        return 0;
    }
    // Absolute, as the library opens it after the change of directory.
    const std::filesystem::path archive = std::filesystem::absolute(zip_.ZipFileName(), error);
    const std::filesystem::path folder = ExtrBaseDir.empty() ? archive.parent_path() : std::filesystem::path(ExtrBaseDir);
    if (!fitsInto(archive.string(), folder.string()))
        return 0;
    if (!LoadDll())
        throw ZipException("Unable to load \"UnzfDll.dll\".");
    std::filesystem::current_path(folder, error);
    if (error) {
        // The library would extract into whatever folder is current.
        window_.ShowError("Unable to extract files to:\n\"" + folder.string() + "\"\n" + error.message());
        return 0;
    }

    std::vector<TUnzFileSpec> specs(FileSpecs.size());
    for (std::size_t i = 0; i < FileSpecs.size(); ++i)
        specs[i].FileSpec = FileSpecs[i].c_str();
    const std::string archivePath = archive.string();
    TUnzDllCommand command{};
    FillDllCommand(command);
    command.ArchivePath = archivePath.c_str();
    command.FileSpecCount = static_cast<std::int32_t>(specs.size());
    command.FileSpecs = specs.empty() ? nullptr : specs.data();

    libraryRan_ = true;
    const int result = runLibrary(command);
    FileSpecs.clear();
    if (callbackFailure_)
        std::rethrow_exception(std::exchange(callbackFailure_, nullptr));
    return result;
}

int ZipExtractor::runLibrary(TUnzDllCommand& command)
{
    if (!ShowProgressDialog)
        return UnzDllExec()(&command);
    progressForm_ = window_.CreateProgressForm(*this);
    progressForm_->Show();
    // Nothing unwinds through the call: the callback keeps what it catches.
    const int result = UnzDllExec()(&command);
    progressForm_.reset();
    return result;
}

bool ZipExtractor::fitsInto(const std::string& archive, const std::string& folder)
{
    // The library writes no entry beyond its declared size (the zip64 size
    // where there is one), so the sum bounds what the extraction can write.
    // Every entry counts, also one that the name patterns or the library
    // would leave out.
    std::uint64_t needed = 0;
    for (int n = 0; n < zip_.Count(); ++n) {
        // 64-bit sizes are untrusted: a sum that wrapped round would pass.
        const std::uint64_t size = uncompressedSizeOf(zip_.GetEntry(n));
        needed = size > std::numeric_limits<std::uint64_t>::max() - needed ? std::numeric_limits<std::uint64_t>::max()
                                                                           : needed + size;
    }
    const std::optional<std::uintmax_t> free = FreeSpace(folder);
    if (!free || needed <= *free)
        return true;
    window_.ShowError("Not enough free space to extract\n\"" + archive + "\"\ninto \"" + folder + "\":\n" +
                      groupedDigits(needed) + " bytes are needed, " + groupedDigits(*free) + " bytes are free.");
    return false;
}

bool ZipExtractor::LoadDll()
{
    return LoadUnzDll(dllFolder_);
}

void ZipExtractor::FillDllCommand(TUnzDllCommand& rec)
{
    rec.Caller = this;
    rec.Version = UNZ_DLL_VERSION;
    rec.Callback = &ZipDllCallback;
    rec.Reserved16 = 0;
    rec.Reserved32 = 0;
    rec.Reserved36 = 0;
    rec.Reserved40 = -1;
    rec.Reserved44 = 0;
    rec.Reserved104 = 3;
    rec.Reserved144 = 7;
    // The option fields; no option but bit 0 has a meaning here.
    rec.Reserved28 = 0;
    rec.JunkFolderNames = (ExtrOptions & kExtrJunkFolderNames) ? -1 : 0;
    rec.Reserved52 = 0;
    rec.Reserved56 = 0;
    rec.Reserved60 = 0;
}

}  // namespace tarnix
