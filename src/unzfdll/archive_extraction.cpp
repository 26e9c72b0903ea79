#include "unzfdll/archive_extraction.h"

#include "common/text_encoding.h"
#include "common/zip_entry_names.h"
#include "unzfdll/first_entry_made_by.h"
#include "unzfdll/output_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fnmatch.h>
#include <limits>

namespace tarnix::unzfdll {
namespace {

constexpr std::size_t kChunkSize = 64 * 1024;
// The caller is asked this many times for the password of one entry.
constexpr std::int32_t kPasswordAttempts = 3;

std::int32_t clampToInt32(zip_uint64_t value)
{
    return static_cast<std::int32_t>(std::min<zip_uint64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

ArchiveExtraction::ArchiveExtraction(const TUnzDllCommand& command)
    : command_(command), callback_(command.Callback, command.Caller)
{
}

std::int32_t ArchiveExtraction::run()
{
    int error = 0;
    archive_.reset(zip_open(command_.ArchivePath, ZIP_RDONLY, &error));
    if (!archive_)
        return UNZ_ERROR_ARCHIVE;
    const std::optional<OutputFolder> root = OutputFolder::openCurrent();
    if (!root)
        return UNZ_ERROR_FOLDER;

    // Files must get the names the directory lister shows.
    const std::optional<MadeBy> madeBy = firstEntryMadeBy(command_.ArchivePath);
    oemNames_ = madeBy && zipNamesInOemCodePage(madeBy->version, madeBy->hostSystem);

    const std::vector<Entry> entries = selectedEntries();
    std::int32_t files = 0;
    zip_uint64_t bytes = 0;
    for (const Entry& entry : entries) {
        if (!entry.folder) {
            ++files;
            bytes += static_cast<zip_uint64_t>(entry.size);
        }
    }
    if (!callback_.send(UNZ_ACTION_TOTAL_FILES, files) || !callback_.send(UNZ_ACTION_TOTAL_BYTES, clampToInt32(bytes)))
        return 0;

    std::int32_t written = 0;
    for (const Entry& entry : entries) {
        if (entry.folder) {
            if (entry.target && !entry.target->folders.empty())
                root->subFolder(entry.target->folders);  // an empty folder of the archive
            continue;
        }
        const Outcome outcome = extractFile(*root, entry);
        if (outcome == Outcome::Stop)
            return written;
        if (outcome == Outcome::Done)
            ++written;
    }
    callback_.send(UNZ_ACTION_END_BATCH, 0);
    return written;
}

std::vector<ArchiveExtraction::Entry> ArchiveExtraction::selectedEntries() const
{
    const bool junkFolderNames = command_.JunkFolderNames != 0;
    std::vector<Entry> entries;
    const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        Entry entry;
        entry.index = static_cast<zip_uint64_t>(i);
        entry.name = entryName(entry.index);
        if (!namedBySpecs(entry.name))
            continue;
        entry.folder = isFolderEntry(entry.name);
        // A link could point anywhere: links are never created.
        if (!isSymbolicLink(entry.index))
            entry.target = entryTarget(entry.name, junkFolderNames);

        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive_.get(), entry.index, 0, &stat) == 0) {
            if (stat.valid & ZIP_STAT_SIZE) {
                entry.declaredSize = stat.size;
                entry.size = clampToInt32(stat.size);
            }
            if (stat.valid & ZIP_STAT_MTIME)
                entry.modified = stat.mtime;
            entry.encrypted = (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool ArchiveExtraction::namedBySpecs(const std::string& name) const
{
    if (command_.FileSpecCount <= 0 || !command_.FileSpecs)
        return true;
    const TUnzFileSpec* end = command_.FileSpecs + command_.FileSpecCount;
    return std::any_of(command_.FileSpecs, end, [&](const TUnzFileSpec& spec) {
        return spec.FileSpec && ::fnmatch(spec.FileSpec, name.c_str(), 0) == 0;
    });
}

std::string ArchiveExtraction::entryName(zip_uint64_t index) const
{
    const char* raw = zip_get_name(archive_.get(), index, ZIP_FL_ENC_RAW);
    if (!raw)
        return {};
    return oemNames_ ? decodeCp866(raw) : std::string(raw);
}

bool ArchiveExtraction::isSymbolicLink(zip_uint64_t index) const
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive_.get(), index, 0, &system, &attributes) != 0)
        return false;
    return zipEntryIsLink(system, attributes);
}

ArchiveExtraction::Outcome ArchiveExtraction::extractFile(const OutputFolder& root, const Entry& entry)
{
    if (!callback_.send(UNZ_ACTION_FILE_BEGIN, entry.size, entry.name))
        return Outcome::Stop;
    if (!entry.target)
        return skip(entry);
    if (entry.target->folders.empty())
        return writeFile(root, entry);
    const std::optional<OutputFolder> folder = root.subFolder(entry.target->folders);
    if (!folder) {
        // A link or a file in a folder's place is refused, not a failure.
        const int error = errno;
        return skip(entry, error == ELOOP || error == ENOTDIR ? 0 : error);
    }
    return writeFile(*folder, entry);
}

ArchiveExtraction::Outcome ArchiveExtraction::writeFile(const OutputFolder& folder, const Entry& entry)
{
    const std::string& name = entry.target->name;
    if (const std::optional<std::time_t> existing = folder.modificationTime(name)) {
        const bool older = entry.modified && *existing < *entry.modified;
        if (!callback_.send(UNZ_ACTION_FILE_EXISTS, 0, entry.name, older ? 1 : 0))
            return Outcome::Stop;
        if (callback_.answer().Number == 0)
            return skip(entry);
    }

    EntryReader reader;
    const Outcome opened = openEntry(entry, reader);
    if (opened != Outcome::Done)
        return opened == Outcome::Stop ? Outcome::Stop : skip(entry);

    std::optional<OutputFile> file = folder.createFile(name);
    if (!file)
        return skip(entry, errno);
    const Outcome copied = copyData(reader.get(), *file, entry);
    if (copied == Outcome::Failed)
        return skip(entry, errno);
    if (copied != Outcome::Done)
        return copied == Outcome::Stop ? Outcome::Stop : skip(entry);
    return file->commit(entry.modified) ? Outcome::Done : skip(entry, errno);
}

// Done: `reader` reads the entry; Skipped: it cannot be read.
ArchiveExtraction::Outcome ArchiveExtraction::openEntry(const Entry& entry, EntryReader& reader)
{
    if (!entry.encrypted) {
        reader.reset(zip_fopen_index(archive_.get(), entry.index, 0));
        return reader ? Outcome::Done : Outcome::Skipped;
    }
    // Archives usually protect every entry with one password: try the last
    // good one before asking.
    if (!password_.empty()) {
        reader.reset(zip_fopen_index_encrypted(archive_.get(), entry.index, 0, password_.c_str()));
        if (reader)
            return Outcome::Done;
        if (!wrongPassword())
            return Outcome::Skipped;
    }
    std::int32_t attempts = kPasswordAttempts;
    for (;;) {
        if (!callback_.send(UNZ_ACTION_PASSWORD, attempts, entry.name))
            return Outcome::Stop;
        const TUnzCallbackRec& answer = callback_.answer();
        if (answer.Flag == 0)
            return Outcome::Skipped;
        const std::string typed(answer.Text, ::strnlen(answer.Text, sizeof answer.Text));
        attempts = answer.Number;
        reader.reset(zip_fopen_index_encrypted(archive_.get(), entry.index, 0, typed.c_str()));
        if (reader) {
            password_ = typed;
            return Outcome::Done;
        }
        if (!wrongPassword() || attempts <= 0)
            return Outcome::Skipped;
    }
}

ArchiveExtraction::Outcome ArchiveExtraction::copyData(zip_file_t* reader, OutputFile& file, const Entry& entry)
{
    std::vector<char> buffer(kChunkSize);
    // The data may go on far beyond what the directory declares (libzip only
    // notices at its end): whatever comes after the declared size is damage
    // that would otherwise fill the disk.
    zip_uint64_t room = entry.declaredSize;
    for (;;) {
        const zip_int64_t read = zip_fread(reader, buffer.data(), buffer.size());
        if (read == 0)
            return Outcome::Done;
        if (read < 0)
            return damaged(entry);  // a check sum or decompression error
        const auto kept = static_cast<std::size_t>(std::min<zip_uint64_t>(static_cast<zip_uint64_t>(read), room));
        room -= kept;
        if (!file.write(buffer.data(), kept))
            return Outcome::Failed;
        if (kept > 0 && !callback_.send(UNZ_ACTION_PROGRESS, static_cast<std::int32_t>(kept)))
            return Outcome::Stop;
        if (kept < static_cast<std::size_t>(read))
            return damaged(entry);
    }
}

// The caller decides whether what could be read is kept.
ArchiveExtraction::Outcome ArchiveExtraction::damaged(const Entry& entry)
{
    if (!callback_.send(UNZ_ACTION_CRC_ERROR, 0, entry.name))
        return Outcome::Stop;
    return callback_.answer().Flag == 1 ? Outcome::Done : Outcome::Skipped;
}

ArchiveExtraction::Outcome ArchiveExtraction::skip(const Entry& entry, int error)
{
    return callback_.send(UNZ_ACTION_SKIPPED, error, entry.name) ? Outcome::Skipped : Outcome::Stop;
}

bool ArchiveExtraction::wrongPassword() const
{
    return zip_error_code_zip(zip_get_error(archive_.get())) == ZIP_ER_WRONGPASSWD;
}

}  // namespace tarnix::unzfdll
