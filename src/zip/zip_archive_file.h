#pragma once
// An archive file opened for reading. Every length in an archive is
// untrusted, so reads are checked against the file's size before anything is
// allocated, and a read that would pass the end reports failure instead.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tarnix {

class ZipArchiveFile {
public:
    // Throws InputOutputError when the path cannot be opened or is no
    // regular file (a pipe or device could block or never end).
    explicit ZipArchiveFile(const std::string& path);
    ~ZipArchiveFile();
    ZipArchiveFile(const ZipArchiveFile&) = delete;
    ZipArchiveFile& operator=(const ZipArchiveFile&) = delete;

    std::int64_t size() const { return size_; }

    // Fills `into` from `offset`; false when the file ends before.
    bool readAt(std::int64_t offset, std::span<unsigned char> into) const;
    // `count` bytes from `offset`; nullopt when the file ends before.
    std::optional<std::string> readStringAt(std::int64_t offset, std::size_t count) const;

private:
    bool fits(std::int64_t offset, std::size_t count) const;
    bool readRaw(std::int64_t offset, char* into, std::size_t count) const;

    int fd_ = -1;
    std::int64_t size_ = 0;
};

}  // namespace tarnix
