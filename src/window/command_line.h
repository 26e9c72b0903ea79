#pragma once
// The program's command line: a program file to draw, or with the switch e
// ("-e", "/E", any letter case, anywhere) the file to open in the editor.

#include <string>
#include <vector>

namespace tarnix {

struct CommandLineRequest {
    bool hasParameters = false;
    // The program file: its absolute folder (ending in "/") and its name,
    // blanks trimmed.
    std::string folder;
    std::string name;
    // With the switch e: the first parameter's text; the editor opens the file.
    std::string gEditFile;
};

// The process's current directory, ending in "/".
std::string currentFolder();

// `arguments` without the program's own name. A relative path is taken from
// `workingFolder`; a bare name lies there when such a file exists there,
// else in `executableFolder`. Both folders end in "/".
CommandLineRequest parseCommandLine(const std::vector<std::string>& arguments,
                                    const std::string& executableFolder,
                                    const std::string& workingFolder = currentFolder());

}  // namespace tarnix
