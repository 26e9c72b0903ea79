#include "zip/zip_entry_click.h"

#include "common/errors.h"
#include "common/zip_entry_names.h"

#include <filesystem>
#include <system_error>

namespace tarnix {
namespace {

namespace fs = std::filesystem;

// Removes what an earlier archive left in `folder` under the names this
// archive's entries are extracted to. The library keeps a file that is not
// older than the entry, and a skipped or cancelled entry leaves it alone:
// the list would then show the other archive's program under this one's
// name. An archive opened from the folder itself is spared: it is the one
// being extracted.
void removeEarlierExtractions(const TsZip& zip, const std::string& folder)
{
    for (int n = 0; n < zip.Count(); ++n) {
        const std::string entryName = zip.GetEntry(n).FileName;  // the entry is a copy
        const std::string_view name = zipEntryFileName(entryName);
        if (name.empty() || name == "." || name == "..")
            continue;
        const fs::path file = folder + std::string(name);
        std::error_code error;
        const fs::file_status status = fs::symlink_status(file, error);
        if (!fs::exists(status) || fs::is_directory(status) || fs::equivalent(file, zip.ZipFileName(), error))
            continue;
        if (!fs::remove(file, error) && error)
            throw InputOutputError("Cannot remove \"" + file.string() + "\". " + error.message());
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

}  // namespace

std::string ZipEntryClick(ZipExtractor& zip, const std::string& tempDir, bool& zipExtracted,
                          const std::string& selectedFile)
{
    if (!zipExtracted) {
        const fs::path folder = folderItself(tempDir);
        if (!makeOwnFolder(folder))
            zip.Window().ShowError("Can't create temp directory " + tempDir);
        else
            removeEarlierExtractions(zip.Zip(), tempDir);
        zip.ExtrBaseDir = tempDir;
        zip.ExtrOptions = kExtrJunkFolderNames;
        // A link that could not be removed is never extracted through; a
        // missing folder is reported by the extraction.
        if (!isLink(folder))
            zip.Extract();
        // The entries were read when the archive was opened; an archive
        // without any raises here and stays unextracted.
        zip.Zip().GetEntry(0);
        zip.Window().Sleep(1000);
        zipExtracted = true;
    }
    return zip.ExtrBaseDir + std::string(zipEntryFileName(selectedFile));
}

}  // namespace tarnix
