#pragma once
// "shellTB.ini": the folders of the Explorer's shell shortcut toolbar, one
// per line in button order. A "\" in a folder's path is written "\\" and a
// line break "\n", so that every path the file system allows survives.

#include <string>
#include <vector>

namespace tarnix {

// The file beside the settings file `settingsFile`.
std::string shellToolbarFilePath(const std::string& settingsFile);

std::string ShellToolbarText(const std::vector<std::string>& folders);
std::vector<std::string> ShellToolbarFolders(const std::string& text);

// Throws InputOutputError when the file cannot be read.
std::vector<std::string> ReadShellToolbarFile(const std::string& path);
// Replaces the file in one step; throws InputOutputError when it cannot be
// written, leaving the old file as it was.
void WriteShellToolbarFile(const std::string& path, const std::vector<std::string>& folders);

}  // namespace tarnix
