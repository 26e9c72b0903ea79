#pragma once
// Where the current program lies. The window owns one and lends it to the
// Explorer, which changes it as the user browses, and reads it to build.

#include "common/zip_entry_names.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnix {

struct ProgramLocation {
    // The Explorer's folder, ending in "/".
    std::string FCurrentFolder;
    // The chosen program's name: a file of FCurrentFolder, or the name of
    // an entry of the open archive as it stores it.
    std::string FSelectedFile;
    // Set while the chosen program is an entry extracted from an archive;
    // it then lies in extractionFolder (ending in "/").
    bool FZipExtracted = false;
    std::string extractionFolder;

    // The path of the program named `name` in the Explorer list: an
    // extracted entry lies in the extraction folder under its folders and
    // file name, which the unzip library reads by the same rule, so that
    // two entries of one name in two folders are two files. An entry the
    // extraction never writes by its name ("../x.nc") lies nowhere: empty.
    std::string pathOf(std::string_view name) const
    {
        if (!FZipExtracted)
            return FCurrentFolder + std::string(name);
        const std::optional<std::string> entry = zipEntryPath(name);
        return entry ? extractionFolder + *entry : std::string();
    }

    // The chosen program's file name, without the folders of an entry.
    std::string selectedFileName() const
    {
        return FZipExtracted ? std::string(zipEntryFileName(FSelectedFile)) : FSelectedFile;
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
