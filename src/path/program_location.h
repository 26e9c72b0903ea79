#pragma once
// Where the current program lies. The window owns one and lends it to the
// Explorer, which changes it as the user browses, and reads it to build.

#include <string>

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

    // The full path of the chosen program; empty when none is chosen.
    std::string programPath() const
    {
        if (FSelectedFile.empty())
            return {};
        return (FZipExtracted ? extractionFolder : FCurrentFolder) + FSelectedFile;
    }
};

}  // namespace tarnix
