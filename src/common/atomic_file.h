#pragma once
// Files the program owns are replaced whole: the new contents go to a
// temporary file in the same folder, which is renamed over the old file
// once written. A full disk, a crash or a kill leaves the old file intact.
//
// A rename would make a new file, so where that would change what the user
// has, the old file is written over instead: a file with hard links (they
// would keep the old text), a file whose owner the user cannot give the new
// one, and a writable file in a folder that takes no new files. Such a
// write first reserves the room for the new contents, so a full disk still
// leaves the old file whole.

#include <string>
#include <string_view>

namespace tarnix {

// A replacement written piece by piece. Errors throw InputOutputError
// ("Cannot create "<path>": <reason>") and leave the old file untouched. An
// existing file without write permission (read-only) is refused, not
// replaced, whoever the user is; a replaced file keeps its owner, group and
// permissions. A link is followed: its target is replaced.
class FileReplacement {
public:
    explicit FileReplacement(const std::string& path);
    // Removes the temporary file unless commit() ran.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    void write(std::string_view bytes);
    // Puts what was written in place of the file.
    void commit();

private:
    void flush();
    void writeInPlace();

    std::string path_;
    std::string target_;
    std::string temporary_;
    std::string pending_;
    int file_ = -1;
    // The old file is written over at commit; until then `pending_` holds all.
    bool inPlace_ = false;
};

void writeFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files that replacements left in the folder of
// `path` (or of the file a link names) when the process died before renaming
// them (".tarnix<number>.tmp"). Nothing else is touched; failures are
// ignored.
void removeLeftoverTemporaries(const std::string& path) noexcept;

}  // namespace tarnix
