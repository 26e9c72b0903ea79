#include "zip/zip_archive_file.h"

#include "common/errors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tarnix {
namespace {

InputOutputError cannotOpen(const std::string& path, const char* reason)
{
    return InputOutputError("Cannot open file \"" + path + "\". " + reason);
}

}  // namespace

ZipArchiveFile::ZipArchiveFile(const std::string& path)
{
    // Non-blocking so that opening a named pipe cannot wait for a writer;
    // it changes nothing for regular files.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0)
        throw cannotOpen(path, std::strerror(errno));
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd_);
        throw cannotOpen(path, "Not a regular file");
    }
    size_ = info.st_size;
}

ZipArchiveFile::~ZipArchiveFile()
{
    ::close(fd_);
}

bool ZipArchiveFile::fits(std::int64_t offset, std::size_t count) const
{
    return offset >= 0 && offset <= size_ && count <= static_cast<std::uint64_t>(size_ - offset);
}

bool ZipArchiveFile::readAt(std::int64_t offset, std::span<unsigned char> into) const
{
    return fits(offset, into.size())
           && readRaw(offset, reinterpret_cast<char*>(into.data()), into.size());
}

std::optional<std::string> ZipArchiveFile::readStringAt(std::int64_t offset, std::size_t count) const
{
    if (!fits(offset, count))
        return std::nullopt;
    std::string bytes(count, '\0');
    if (!readRaw(offset, bytes.data(), count))
        return std::nullopt;
    return bytes;
}

// The file may shrink while it is read (nothing stops another program from
// writing it), so a short read is a normal outcome, not an error.
bool ZipArchiveFile::readRaw(std::int64_t offset, char* into, std::size_t count) const
{
    while (count > 0) {
        ssize_t got = ::pread(fd_, into, count, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        into += got;
        offset += got;
        count -= static_cast<std::size_t>(got);
    }
    return true;
}

}  // namespace tarnix
