#pragma once
// The files of a folder that the Explorer's masks list, with what the list
// shows of each.

#include "explorer/explorer_date_time.h"
#include "settings/file_masks.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tarnix {

struct FolderFile {
    std::string name;            // as the file system holds it: bytes, maybe not UTF-8
    LocalDateTime modified;      // last write, local time
    std::int64_t size = 0;
    bool isArchive = false;      // own extension "zip" or "ZIP"
    std::string description;     // UTF-8; empty for archives
};

// Hands `add` the files of `folder` (ending in "/") mask by mask: for each
// mask, in mask order, every file it matches (case ignored), by name. A file
// matched by two masks comes twice. Only regular files are listed: folders,
// devices and pipes never, nor hidden files (names starting with "."). A
// folder that cannot be read lists nothing.
//
// A program whose description cannot be read is listed without one and the
// listing goes on; the first such InputOutputError is thrown at the end.
void listFolderFiles(const std::string& folder, const TFileMasks& masks,
                    const std::function<void(const FolderFile&)>& add);

}  // namespace tarnix
