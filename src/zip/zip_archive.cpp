#include "zip/zip_archive.h"

#include "common/text_encoding.h"
#include "common/zip_entry_names.h"
#include "zip/zip_end_record_search.h"
#include "zip/zip_exception.h"
#include "zip/zip_spanned_disks.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace tarnix {
namespace {

// Limits that keep a damaged end record from sending the reader astray.
constexpr unsigned kMaxDisks = 1000;
constexpr std::int32_t kMaxCentralDirSize = 1024000;

// An archive with nothing in it: only the end record.
void createEmptyArchive(const std::string& path)
{
    const ZipEndOfCentralDirBytes record{0x50, 0x4B, 0x05, 0x06};
    // "x": never replace whatever appeared at the path meanwhile, and never
    // open a pipe or device that happens to carry the name.
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    bool written = file && std::fwrite(record.data(), 1, record.size(), file) == record.size();
    if (file && std::fclose(file) != 0)
        written = false;
    if (!written)
        throw ZipException("Unable to create \n\"" + path + "\"");
}

}  // namespace

TsZip::TsZip(const ZipVolumes& volumes, ZipDiskPrompt& prompt)
    : volumes_(volumes), prompt_(prompt)
{
}

void TsZip::SetZipFileName(const std::string& value)
{
    convertOemNames_ = false;
    endOfDir_ = TEOCHInfo{};
    endOfDir_.Record.Signature = kZipEndOfCentralDirSignature;
    ClearEntries();
    zipFileName_ = value;

    if (!value.empty()) {
        if (!volumes_.volumeLabel(value))
            throw ZipException("Unable to access the selected drive!");
        std::error_code error;
        if (!std::filesystem::is_regular_file(value, error))
            createEmptyArchive(value);
        ReadZip();
    }
    if (OnContentsChanged)
        OnContentsChanged(*this);
}

void TsZip::ReadZip()
{
    ClearEntries();
    if (zipFileName_.empty())
        return;

    std::optional<ZipArchiveFile> file(std::in_place, zipFileName_);
    std::int64_t position = ZipFindEndOfCentralDir(*file);
    while (position < 0) {
        file.reset();
        const int disk = ZipDiskNumber(zipFileName_, volumes_);
        if (disk == 0 || !ZipAskForLastDisk(disk, prompt_))
            return;
        file.emplace(zipFileName_);
        position = ZipFindEndOfCentralDir(*file);
    }

    ZipEndOfCentralDirBytes raw{};
    if (!file->readAt(position, raw))
        throw InputOutputError("Stream read error");  // the file shrank since the search
    endOfDir_.Position = position;
    endOfDir_.Record = decodeEndOfCentralDir(raw);
    const ZipEndOfCentralDir& record = endOfDir_.Record;
    if (record.ThisDisk > kMaxDisks || record.CentralDirStartDisk > kMaxDisks
        || static_cast<std::int32_t>(record.CentralDirSize) > kMaxCentralDirSize)
        throw ZipException("\"" + zipFileName_ + "\"\nis not a valid Zip file.");

    endOfDir_.ZipComment =
        file->readStringAt(position + kZipEndOfCentralDirSize, record.CommentLength).value_or("");
    if (record.TotalEntries == 0)
        return;

    if (record.CentralDirStartDisk != record.ThisDisk) {
        if (!ZipAskForDisk(zipFileName_, record.CentralDirStartDisk, volumes_, prompt_))
            return;
        // The open file belongs to the disk that was taken out.
        file.emplace(zipFileName_);
    }

    bool read = false;
    try {
        read = ReadCentralDir(file);
    } catch (...) {
        ClearEntries();  // no half-read directory survives a failed disk change
        throw;
    }
    if (!read) {
        ClearEntries();
        throw ZipException("Error reading 'CentralFileHeader'!");
    }
}

bool TsZip::ReadCentralDir(std::optional<ZipArchiveFile>& file)
{
    const ZipEndOfCentralDir& record = endOfDir_.Record;
    const bool spanned = record.ThisDisk > 0;
    // On a single archive the directory ends where the end record starts;
    // the stored offset is ignored so that a self-extractor's program in
    // front of the archive does no harm.
    std::int64_t at = spanned ? std::int64_t{record.CentralDirOffset}
                              : endOfDir_.Position - static_cast<std::int32_t>(record.CentralDirSize);

    auto readField = [&](std::size_t length) {
        std::optional<std::string> bytes = file->readStringAt(at, length);
        if (bytes)
            at += static_cast<std::int64_t>(length);
        return bytes;
    };

    for (int k = 0; k < record.TotalEntries;) {
        ZipCentralHeaderBytes raw{};
        if (!file->readAt(at, raw)) {
            if (!spanned)
                return false;
            // The directory goes on at the start of the next disk.
            const int disk = ZipDiskNumber(zipFileName_, volumes_);
            if (disk == 0 || disk > record.ThisDisk)
                return false;
            file.reset();
            if (!ZipAskForDisk(zipFileName_, disk + 1, volumes_, prompt_))
                return false;
            file.emplace(zipFileName_);
            at = 0;
            continue;
        }
        at += static_cast<std::int64_t>(raw.size());

        TFileInfo entry;
        entry.Header = decodeCentralHeader(raw);
        if (entry.Header.Signature != kZipCentralHeaderSignature)
            return false;
        if (k == 0)
            convertOemNames_ = zipNamesInOemCodePage(entry.Header.VersionMadeBy, entry.Header.HostSystem);
        entry.Encrypted = (entry.Header.Flags & 1) != 0;

        std::optional<std::string> name = readField(entry.Header.FileNameLength);
        if (!name)
            return false;
        entry.FileName = ConvertName(*name);
        std::optional<std::string> extra = readField(entry.Header.ExtraFieldLength);
        if (!extra)
            return false;
        entry.ExtraField = std::move(*extra);
        std::optional<std::string> comment = readField(entry.Header.FileCommentLength);
        if (!comment)
            return false;
        entry.FileComment = ConvertName(*comment);

        entries_.push_back(std::move(entry));
        ++k;
    }
    return true;
}

const TFileInfo& TsZip::checkedEntry(int index) const
{
    if (index < 0 || index >= Count())
        throw ZipException("Index range error");
    return entries_[static_cast<std::size_t>(index)];
}

TFileInfo TsZip::GetEntry(int index) const
{
    return checkedEntry(index);
}

std::string TsZip::GetEntryComment(int index) const
{
    return checkedEntry(index).FileComment;
}

std::string TsZip::ConvertName(const std::string& s) const
{
    if (convertOemNames_ && !s.empty())
        return decodeCp866(s);
    return s;
}

}  // namespace tarnix
