#pragma once
// Where an archive entry is written, relative to the extraction folder.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnix::unzfdll {

struct EntryTarget {
    std::vector<std::string> folders;  // sub-folders, outermost first
    std::string name;                  // empty for a folder entry
};

// The target of the stored entry name `name`; nullopt when the name could
// reach outside the extraction folder (an absolute name, a ".." part) or
// names no file. Both "/" and "\" separate parts: archivers on Windows
// write either. With `junkFolderNames` only the bare name is kept.
std::optional<EntryTarget> entryTarget(std::string_view name, bool junkFolderNames);

// The name ends in a separator: the entry stands for a folder.
bool isFolderEntry(std::string_view name);

}  // namespace tarnix::unzfdll
