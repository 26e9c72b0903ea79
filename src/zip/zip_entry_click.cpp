#include "zip/zip_entry_click.h"

#include <filesystem>
#include <system_error>

namespace tarnix {

std::string ZipEntryClick(ZipExtractor& zip, const std::string& tempDir, bool& zipExtracted,
                          const std::string& selectedFile)
{
    if (!zipExtracted) {
        std::error_code error;
        std::filesystem::create_directories(tempDir, error);
        if (!std::filesystem::is_directory(tempDir, error))
            zip.Window().ShowError("Can't create temp directory " + tempDir);
        zip.ExtrBaseDir = tempDir;
        zip.ExtrOptions = kExtrJunkFolderNames;
        zip.Extract();
        // The entries were read when the archive was opened; an archive
        // without any raises here and stays unextracted.
        zip.Zip().GetEntry(0);
        zip.Window().Sleep(1000);
        zipExtracted = true;
    }
    // The unzip library splits stored names at both separators.
    const std::size_t separator = selectedFile.find_last_of("/\\");
    return zip.ExtrBaseDir + (separator == std::string::npos ? selectedFile : selectedFile.substr(separator + 1));
}

}  // namespace tarnix
