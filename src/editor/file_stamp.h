#pragma once
// What a file on disk looked like when the editor last read or wrote it:
// a save compares it with the file to see whether someone else (another
// program, a second copy of this one) changed the file in between.

#include <optional>
#include <string>

namespace tarnix {

struct FileStamp {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

// Nothing when there is no such file.
std::optional<FileStamp> stampOf(const std::string& path);

}  // namespace tarnix
