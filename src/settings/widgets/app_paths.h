#pragma once
// Where the program keeps its files. Beside the executable when that
// folder is writable, as users of the program expect; else in the user's
// configuration and cache folders. Every folder ends in "/".

#include <string>

namespace tarnix {

struct AppPaths {
    std::string executableFolder;
    std::string executablePath;
    std::string settingsFile;     // "CNCconfig.ini"
    std::string formStorageFile;  // window placement and listed control values
    std::string tempFolder;       // "tempcnc/": extracted zip entries

    // Finds the folders for the running application.
    static AppPaths forApplication();
};

}  // namespace tarnix
