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
    std::string keyFile;          // "key.ini": the editor's keystroke table
    // "key.ini" in the folder the program was started in, where earlier
    // versions kept it.
    std::string startFolderKeyFile;

    // Finds the folders for the running application.
    static AppPaths forApplication();
};

}  // namespace tarnix
