#include "editor/file_stamp.h"

#include <sys/stat.h>

namespace tarnix {
namespace {

long long nanoseconds(const timespec& time)
{
    return static_cast<long long>(time.tv_sec) * 1000000000LL + time.tv_nsec;
}

}  // namespace

std::optional<FileStamp> stampOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileStamp{static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino),
                     static_cast<long long>(info.st_size), nanoseconds(info.st_mtim)};
}

}  // namespace tarnix
