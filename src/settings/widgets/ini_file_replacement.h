#pragma once
// An ini file kept through QSettings but put in place as the program's own
// files are (common/atomic_file.h): whole, keeping its owner, permissions
// and links, and naming the system's reason when it cannot be written -
// QSettings alone only says that it failed.

#include <QSettings>

#include <functional>
#include <string>

namespace tarnix {

// Applies `change` to the settings in `path` and writes them back. Throws
// InputOutputError ("Cannot create "<path>": <reason>"), leaving the file
// as it was.
void replaceIniFile(const std::string& path, const std::function<void(QSettings&)>& change);

}  // namespace tarnix
