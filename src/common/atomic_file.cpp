#include "common/atomic_file.h"

#include "common/errors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace tarnix {
namespace {

InputOutputError writeError(const std::string& path, int error)
{
    return InputOutputError("Cannot create \"" + path + "\": " + std::strerror(error));
}

// A new file beside `path` that no one else uses; the process's umask applies.
int createTemporary(const std::string& path, std::string& temporary)
{
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + "." + std::to_string(seed()) + ".tmp";
        const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file >= 0 || errno != EEXIST)
            return file;
    }
    return -1;
}

bool writeAll(int file, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(file, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// The file a link names, so that the link itself stays a link.
std::string linkTarget(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target.string();
}

}  // namespace

void writeFileAtomically(const std::string& path, const std::string& bytes)
{
    const std::string target = linkTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && ::access(target.c_str(), W_OK) != 0)
        throw writeError(path, errno);

    std::string temporary;
    const int file = createTemporary(target, temporary);
    if (file < 0)
        throw writeError(path, errno);
    int failure = 0;
    if (exists && ::fchmod(file, existing.st_mode & 07777) != 0)
        failure = errno;
    if (failure == 0 && !writeAll(file, bytes))
        failure = errno != 0 ? errno : EIO;
    if (failure == 0 && ::fsync(file) != 0)
        failure = errno;
    if (::close(file) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        failure = errno;
    if (failure != 0) {
        ::unlink(temporary.c_str());
        throw writeError(path, failure);
    }
}

}  // namespace tarnix
