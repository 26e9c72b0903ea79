#pragma once
// Files the program owns are replaced whole: the new contents go to a
// temporary file in the same folder, which is renamed over the old file
// once written. A full disk, a crash or a kill leaves the old file intact.

#include <string>
#include <string_view>

namespace tarnix {

// A replacement written piece by piece. Errors throw InputOutputError
// ("Cannot create "<path>": <reason>") and leave the old file untouched. An
// existing file that is not writable (read-only) is refused, not replaced,
// and a replaced file keeps its permissions. A link is followed: its target
// is replaced.
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

    std::string path_;
    std::string target_;
    std::string temporary_;
    std::string pending_;
    int file_ = -1;
};

void writeFileAtomically(const std::string& path, const std::string& bytes);

// Removes the temporary files that replacements of `path` left when the
// process died before renaming them ("<name>.<number>.tmp" beside the file,
// or beside the file a link names). Nothing else is touched; failures are
// ignored.
void removeLeftoverTemporaries(const std::string& path) noexcept;

}  // namespace tarnix
