#pragma once
// The extraction side of the zip component: extracts the whole archive that
// the directory reader has opened, through the unzip library loaded at run
// time, answering the library's callbacks with the window's boxes and an
// optional progress dialog with a Cancel button.

#include "unzfdll/unz_dll.h"
#include "zip/zip_archive.h"
#include "zip/zip_extraction_window.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarnix {

// Extraction option bit 0: every file lands in the extraction folder under
// its bare name. The Explorer clears it, so that entries keep their folders.
inline constexpr std::uint8_t kExtrJunkFolderNames = 1;

class ZipExtractor {
public:
    // `zip`, `window` stay owned by the caller and must outlive the
    // extractor. The unzip library is looked for in `dllFolder` first.
    ZipExtractor(const TsZip& zip, ZipExtractionWindow& window, std::string dllFolder);
    // Unloads the unzip library.
    ~ZipExtractor();
    ZipExtractor(const ZipExtractor&) = delete;
    ZipExtractor& operator=(const ZipExtractor&) = delete;

    // Extracts the archive into `ExtrBaseDir` (empty: the archive's folder),
    // which becomes and stays the process's current directory. Returns the
    // library's result, or 0 when nothing was started. Throws ZipException
    // "Unable to load ..." when the library cannot be loaded.
    int Extract();

    // An entry that the last extraction could not write, and the errno the
    // file system gave.
    struct FailedEntry {
        std::string name;
        int error = 0;
    };
    const std::vector<FailedEntry>& failedEntries() const { return failedEntries_; }
    // The last Extract handed the archive to the library: false when it
    // started nothing (no entries, a spanned set, no folder or no room).
    bool libraryRan() const { return libraryRan_; }
    bool LoadDll();
    // The fixed fields of the command record.
    void FillDllCommand(TUnzDllCommand& rec);

    const TsZip& Zip() const { return zip_; }
    ZipExtractionWindow& Window() const { return window_; }
    // The progress dialog while the library runs, else nullptr.
    ZipProgressView* ProgressForm() const { return progressForm_.get(); }

    std::vector<std::string> FileSpecs;  // wildcards of the entries to extract; emptied by Extract
    bool Cancelled = false;
    bool ShowProgressDialog = true;
    std::string ExtrBaseDir;
    std::uint8_t ExtrOptions = kExtrJunkFolderNames;
    // Bytes free for files in `folder`; nullopt when the volume cannot be
    // asked. The file system's figure unless replaced.
    std::function<std::optional<std::uintmax_t>(const std::string& folder)> FreeSpace;

    std::function<void(ZipExtractor& sender, const std::string& fileName, int fileSize, int batchCount,
                       int totalBytesInBatch)>
        OnZEDBeginFileEvent;
    std::function<void(ZipExtractor& sender, const std::string& fileName, int bytesDone, int totalBytes)>
        OnZEDProgressEvent;
    std::function<void(ZipExtractor& sender, int skippedCount, int batchCount, int totalBytesInBatch)>
        OnZEDEndBatchEvent;

private:
    friend std::int32_t ZipDllCallback(TUnzCallbackRec* rec);

    int runLibrary(TUnzDllCommand& command);
    // False, after telling the user, when the declared sizes of the entries
    // of `archive` do not fit in the free space of `folder`.
    bool fitsInto(const std::string& archive, const std::string& folder);

    const TsZip& zip_;
    ZipExtractionWindow& window_;
    std::string dllFolder_;
    std::unique_ptr<ZipProgressView> progressForm_;
    // What a callback threw: it must not unwind through the library.
    std::exception_ptr callbackFailure_;
    std::vector<FailedEntry> failedEntries_;
    bool libraryRan_ = false;
};

}  // namespace tarnix
