#pragma once
// Where the current program lies. The window owns one and lends it to the
// Explorer, which changes it as the user browses, and reads it to build.

#include "common/zip_entry_names.h"

#include <string>
#include <string_view>

namespace tarnix {

struct ProgramLocation {
    // The Explorer's folder, ending in "/".
    std::string FCurrentFolder;
    // The chosen program's name (an archive entry's name part).
    std::string FSelectedFile;
    // Set while the chosen program is an entry extracted from an archive;
    // it then lies in extractionFolder (ending in "/").
    bool FZipExtracted = false;
    std::string extractionFolder;

    // The path of the program named `name` in the Explorer list: an
    // extracted entry lies in the extraction folder under its file name,
    // which the unzip library reads by the same rule.
    std::string pathOf(std::string_view name) const
    {
        return FZipExtracted ? extractionFolder + std::string(zipEntryFileName(name))
                             : FCurrentFolder + std::string(name);
    }

    // The folder that work derived from `source` (a transformation, a merge,
    // an array) is written to: the source's own folder; for a program
    // extracted from an archive, which lies in the extraction folder removed
    // at close, the Explorer's folder, the one that holds the archive.
    std::string outputFolderFor(const std::string& source) const
    {
        if (!extractionFolder.empty() && source.starts_with(extractionFolder))
            return FCurrentFolder;
        const std::size_t slash = source.rfind('/');
        return slash == std::string::npos ? std::string() : source.substr(0, slash + 1);
    }

    // The full path of the chosen program; empty when none is chosen.
    std::string programPath() const
    {
        if (FSelectedFile.empty())
            return {};
        return pathOf(FSelectedFile);
    }
};

}  // namespace tarnix
