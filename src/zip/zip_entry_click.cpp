#include "zip/zip_entry_click.h"

#include "common/errors.h"
#include "common/zip_entry_names.h"

#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

namespace tarnix {
namespace {

namespace fs = std::filesystem;

// Removes `file`, which has `status` (not followed through a link), unless
// it is a folder or the archive being extracted.
void removeLeftFile(const fs::path& file, const fs::file_status& status, const std::string& archive)
{
    std::error_code error;
    if (!fs::exists(status) || fs::is_directory(status) || fs::equivalent(file, archive, error))
        return;
    if (!fs::remove(file, error) && error)
        throw InputOutputError("Cannot remove \"" + file.string() + "\". " + error.message());
}

// Removes what an earlier archive left in `folder` where this archive's
// entries are extracted to. The library keeps a file that is not older than
// the entry, and a skipped or cancelled entry leaves it alone: the list
// would then show the other archive's program under this one's name. A file
// standing where an entry's folder goes would stop the entry. An archive
// opened from the folder itself is spared: it is the one being extracted.
void removeEarlierExtractions(const TsZip& zip, const std::string& folder)
{
    for (int n = 0; n < zip.Count(); ++n) {
        const std::optional<std::string> entry = zipEntryPath(zip.GetEntry(n).FileName);  // the entry is a copy
        if (!entry)
            continue;
        const fs::path file = folder + *entry;
        fs::path part = folder;
        for (const fs::path& name : fs::path(*entry)) {
            part /= name;
            std::error_code error;
            // Removing through a linked folder would remove in the folder
            // it points to; the extraction never makes one. A link in the
            // file's own place goes, never what it points to.
            const fs::file_status status = fs::symlink_status(part, error);
            if (part != file && fs::is_symlink(status))
                break;
            removeLeftFile(part, status, zip.ZipFileName());
        }
    }
}

// "tempcnc/" names what a link in its place points to; this names the link.
fs::path folderItself(const std::string& tempDir)
{
    const fs::path folder(tempDir);
    return folder.has_filename() ? folder : folder.parent_path();
}

bool isLink(const fs::path& path)
{
    std::error_code error;
    return fs::is_symlink(fs::symlink_status(path, error));
}

// The extraction folder as a real folder of the program's own. A link in its
// place (pointing at the user's programs, say) would carry the removal of
// earlier extractions and the extraction itself into the folder it names:
// the link goes, never what it points to. False when no folder could be made.
bool makeOwnFolder(const fs::path& folder)
{
    std::error_code error;
    if (isLink(folder))
        fs::remove(folder, error);
    fs::create_directories(folder, error);
    return fs::symlink_status(folder, error).type() == fs::file_type::directory;
}

// Runs the extraction; true when the library ran and every file it was to
// write could be written. The user is told why an extraction failed.
bool extractInto(ZipExtractor& zip, const std::string& tempDir)
{
    // A link that could not be removed is never extracted through; a
    // missing folder is reported by the extraction.
    if (isLink(folderItself(tempDir)))
        return false;
    const int result = zip.Extract();
    if (!zip.libraryRan())
        return false;  // the extraction has said why
    const std::string where = "\n\"" + zip.Zip().ZipFileName() + "\"\ninto \"" + tempDir + "\":\n";
    if (result < 0) {
        zip.Window().ShowError("Cannot extract from" + where + "the archive cannot be read.");
        return false;
    }
    const std::vector<ZipExtractor::FailedEntry>& failed = zip.failedEntries();
    if (failed.empty())
        return true;
    const std::size_t more = failed.size() - 1;
    const std::string others = more == 0   ? std::string()
                               : more == 1 ? " and 1 more file"
                                           : " and " + std::to_string(more) + " more files";
    zip.Window().ShowError("Cannot extract \"" + failed.front().name + "\"" + others + " from" + where +
                           std::strerror(failed.front().error));
    return false;
}

}  // namespace

std::string ZipEntryClick(ZipExtractor& zip, const std::string& tempDir, bool& zipExtracted,
                          const std::string& selectedFile)
{
    if (!zipExtracted) {
        if (!makeOwnFolder(folderItself(tempDir)))
            zip.Window().ShowError("Can't create temp directory " + tempDir);
        else
            removeEarlierExtractions(zip.Zip(), tempDir);
        zip.ExtrBaseDir = tempDir;
        // Entries keep their folders: two entries of one name in two
        // folders are then two files.
        zip.ExtrOptions = 0;
        const bool extracted = extractInto(zip, tempDir);
        // The entries were read when the archive was opened; an archive
        // without any raises here and stays unextracted.
        zip.Zip().GetEntry(0);
        zip.Window().Sleep(1000);
        // A failed extraction is tried again on the next click.
        zipExtracted = extracted;
    }
    const std::optional<std::string> entry = zipEntryPath(selectedFile);
    return entry ? zip.ExtrBaseDir + *entry : std::string();
}

}  // namespace tarnix
