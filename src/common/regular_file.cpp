#include "common/regular_file.h"

#include "common/errors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace tarnix {
namespace {

InputOutputError fileError(const std::string& what, const std::string& path, const char* reason)
{
    return InputOutputError(what + " \"" + path + "\": " + reason);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::FILE* openRegularFile(const std::string& path)
{
    // Non-blocking, so that a pipe without a writer cannot hold the open.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        throw fileError("Cannot open", path, std::strerror(errno));
    struct stat info {};
    const char* refusal = nullptr;
    if (::fstat(descriptor, &info) != 0)
        refusal = std::strerror(errno);
    else if (S_ISDIR(info.st_mode))
        refusal = std::strerror(EISDIR);
    else if (!S_ISREG(info.st_mode))
        refusal = "not a regular file (a pipe, a device or a socket)";
    if (refusal == nullptr && ::fcntl(descriptor, F_SETFL, 0) != 0)
        refusal = std::strerror(errno);
    std::FILE* file = refusal == nullptr ? ::fdopen(descriptor, "rb") : nullptr;
    if (file == nullptr) {
        if (refusal == nullptr)
            refusal = std::strerror(errno);
        ::close(descriptor);
        throw fileError("Cannot read", path, refusal);
    }
    return file;
}

std::string readRegularFile(const std::string& path)
{
    std::unique_ptr<std::FILE, FileCloser> file(openRegularFile(path));
    std::string bytes;
    char chunk[64 * 1024];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.append(chunk, count);
    if (std::ferror(file.get()))
        throw fileError("Cannot read", path, std::strerror(errno));
    return bytes;
}

}  // namespace tarnix
