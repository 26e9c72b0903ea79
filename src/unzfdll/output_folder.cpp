#include "unzfdll/output_folder.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnix::unzfdll {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// Temporary names taken by files of this or another process are skipped.
constexpr int kTemporaryNameTries = 100;

}  // namespace

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = other.release();
    }
    return *this;
}

Descriptor::~Descriptor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

int Descriptor::release()
{
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

std::optional<OutputFolder> OutputFolder::openCurrent()
{
    Descriptor fd(::open(".", kFolderFlags));
    if (!fd.valid())
        return std::nullopt;
    return OutputFolder(std::move(fd));
}

std::optional<OutputFolder> OutputFolder::subFolder(const std::vector<std::string>& folders) const
{
    Descriptor current(::fcntl(fd_.get(), F_DUPFD_CLOEXEC, 0));
    if (!current.valid())
        return std::nullopt;
    for (const std::string& folder : folders) {
        if (::mkdirat(current.get(), folder.c_str(), 0777) != 0 && errno != EEXIST)
            return std::nullopt;
        // O_NOFOLLOW refuses a link standing in for the folder.
        Descriptor next(::openat(current.get(), folder.c_str(), kFolderFlags));
        if (!next.valid())
            return std::nullopt;
        current = std::move(next);
    }
    return OutputFolder(std::move(current));
}

std::optional<std::time_t> OutputFolder::modificationTime(const std::string& name) const
{
    struct stat status {};
    if (::fstatat(fd_.get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return status.st_mtim.tv_sec;
}

std::optional<OutputFile> OutputFolder::createFile(const std::string& name) const
{
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        std::string temporaryName =
            ".unzfdll-" + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".part";
        Descriptor fd(::openat(fd_.get(), temporaryName.c_str(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (fd.valid())
            return OutputFile(fd_.get(), std::move(fd), std::move(temporaryName), name);
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

OutputFile::OutputFile(int folder, Descriptor fd, std::string temporaryName, std::string name)
    : folder_(folder), fd_(std::move(fd)), temporaryName_(std::move(temporaryName)), name_(std::move(name))
{
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : folder_(other.folder_),
      fd_(std::move(other.fd_)),
      temporaryName_(std::move(other.temporaryName_)),
      name_(std::move(other.name_)),
      committed_(other.committed_)
{
    other.committed_ = true;  // the moved-from object removes nothing
}

OutputFile::~OutputFile()
{
    if (!committed_)
        ::unlinkat(folder_, temporaryName_.c_str(), 0);
}

bool OutputFile::write(const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd_.get(), data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool OutputFile::commit(std::optional<std::time_t> modified)
{
    if (modified) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, {*modified, 0}};
        ::futimens(fd_.get(), times);
    }
    if (::close(fd_.release()) != 0)
        return false;
    // rename replaces a link at `name` itself, never the file it points to.
    if (::renameat(folder_, temporaryName_.c_str(), folder_, name_.c_str()) != 0)
        return false;
    committed_ = true;
    return true;
}

}  // namespace tarnix::unzfdll
