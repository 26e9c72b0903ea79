#include "common/file_replacement.h"

#include "common/errors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace tarnix {
namespace {

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

// 0, or the error that stopped the writing.
int writeAll(int file, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(file, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        done += static_cast<std::size_t>(written);
    }
    return 0;
}

}  // namespace

void replaceFile(const std::string& path, const std::string& bytes)
{
    std::string temporary;
    const int file = createTemporary(path, temporary);
    int failure = file < 0 ? errno : writeAll(file, bytes);
    if (file >= 0) {
        // The data must be on the disk before the name points at it.
        if (failure == 0 && ::fsync(file) != 0)
            failure = errno;
        if (::close(file) != 0 && failure == 0)
            failure = errno;
        if (failure == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
            failure = errno;
        if (failure != 0)
            ::unlink(temporary.c_str());
    }
    if (failure != 0)
        throw InputOutputError("Cannot create \"" + path + "\": " + std::strerror(failure));
}

}  // namespace tarnix
