#pragma once
// The zip archive component: reads an archive's central directory itself
// and keeps one record per entry for the Explorer's archive listing.

#include "zip/zip_archive_file.h"
#include "zip/zip_platform.h"
#include "zip/zip_records.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarnix {

class TsZip {
public:
    // Both stay owned by the caller and must outlive the component.
    TsZip(const ZipVolumes& volumes, ZipDiskPrompt& prompt);

    // Fired when a new archive name has been taken and its directory read,
    // also for an empty name and for a file without entries.
    std::function<void(TsZip& sender)> OnContentsChanged;

    // Replaces the whole state with the directory of `value`; a file that
    // does not exist is created as an empty archive. Throws ZipException,
    // or InputOutputError when the archive cannot be opened.
    void SetZipFileName(const std::string& value);

    int Count() const { return static_cast<int>(entries_.size()); }
    // Throw ZipException "Index range error" outside 0 .. Count() - 1.
    TFileInfo GetEntry(int index) const;
    std::string GetEntryComment(int index) const;

    const std::string& ZipFileName() const { return zipFileName_; }
    const TEOCHInfo& EndOfDir() const { return endOfDir_; }

private:
    void ReadZip();
    bool ReadCentralDir(std::optional<ZipArchiveFile>& file);
    void ClearEntries() { entries_.clear(); }
    // `s` from code page 866 to UTF-8 when the archive was made on DOS.
    std::string ConvertName(const std::string& s) const;
    const TFileInfo& checkedEntry(int index) const;

    const ZipVolumes& volumes_;
    ZipDiskPrompt& prompt_;
    std::string zipFileName_;
    bool convertOemNames_ = false;
    std::vector<TFileInfo> entries_;
    TEOCHInfo endOfDir_;
};

}  // namespace tarnix
