#pragma once
// One run of UnzDllExec: extracts the archive named in the command into the
// current directory and reports every step through the callback.

#include "unzfdll/callback_channel.h"
#include "unzfdll/entry_target.h"
#include "unzfdll/unz_dll.h"

#include <zip.h>

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarnix::unzfdll {

class OutputFile;
class OutputFolder;

class ArchiveExtraction {
public:
    explicit ArchiveExtraction(const TUnzDllCommand& command);

    // The number of files written, or UNZ_ERROR_ARCHIVE / UNZ_ERROR_FOLDER.
    std::int32_t run();

private:
    struct ArchiveCloser {
        void operator()(zip_t* archive) const { zip_discard(archive); }
    };
    struct EntryCloser {
        void operator()(zip_file_t* file) const { zip_fclose(file); }
    };
    using EntryReader = std::unique_ptr<zip_file_t, EntryCloser>;

    struct Entry {
        zip_uint64_t index = 0;
        std::string name;                   // as the archive's lister shows it
        std::optional<EntryTarget> target;  // nullopt: refused
        bool folder = false;
        bool encrypted = false;
        std::int32_t size = 0;          // as the callback reports it
        zip_uint64_t declaredSize = 0;  // as the directory record declares it
        std::optional<std::time_t> modified;
    };

    // Failed: the file system refused the file (errno tells why).
    enum class Outcome { Done, Skipped, Failed, Stop };

    std::vector<Entry> selectedEntries() const;
    bool namedBySpecs(const std::string& name) const;
    std::string entryName(zip_uint64_t index) const;
    bool isSymbolicLink(zip_uint64_t index) const;

    Outcome extractFile(const OutputFolder& root, const Entry& entry);
    Outcome writeFile(const OutputFolder& folder, const Entry& entry);
    Outcome openEntry(const Entry& entry, EntryReader& reader);
    Outcome copyData(zip_file_t* reader, OutputFile& file, const Entry& entry);
    Outcome damaged(const Entry& entry);
    // Tells the caller that `entry` was not written; `error` is the errno
    // of a file system failure, 0 when the entry was refused or declined.
    Outcome skip(const Entry& entry, int error = 0);
    bool wrongPassword() const;

    const TUnzDllCommand& command_;
    CallbackChannel callback_;
    std::unique_ptr<zip_t, ArchiveCloser> archive_;
    bool oemNames_ = false;
    std::string password_;  // the last one that opened an entry
};

}  // namespace tarnix::unzfdll
