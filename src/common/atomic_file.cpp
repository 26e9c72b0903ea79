#include "common/atomic_file.h"

#include "common/errors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

constexpr std::string_view kTemporaryPrefix = ".tarnix";
constexpr std::string_view kTemporarySuffix = ".tmp";

// Short whatever the file's name, so that every name the folder takes can
// be saved: ".tarnix" + number + ".tmp".
std::string temporaryName(unsigned number)
{
    return std::string(kTemporaryPrefix) + std::to_string(number) + std::string(kTemporarySuffix);
}

// Whether `name` is one that temporaryName makes.
bool isTemporaryName(std::string_view name)
{
    if (name.size() <= kTemporaryPrefix.size() + kTemporarySuffix.size() || !name.starts_with(kTemporaryPrefix)
        || !name.ends_with(kTemporarySuffix))
        return false;
    const std::string_view number =
        name.substr(kTemporaryPrefix.size(), name.size() - kTemporaryPrefix.size() - kTemporarySuffix.size());
    return std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A new file in the folder of `path` that no one else uses; the process's
// umask applies.
int createTemporary(const std::string& path, std::string& temporary)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = (folder / temporaryName(seed())).string();
        const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file >= 0 || errno != EEXIST)
            return file;
    }
    return -1;
}

bool writeAll(int file, std::string_view bytes)
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

FileReplacement::FileReplacement(const std::string& path) : path_(path), target_(linkTarget(path))
{
    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists) {
        // Root may write anything: a file nobody may write is refused all the same.
        if (S_ISREG(existing.st_mode) && (existing.st_mode & 0222) == 0)
            throw writeError(path_, EACCES);
        if (::access(target_.c_str(), W_OK) != 0)
            throw writeError(path_, errno);
    }
    inPlace_ = exists && S_ISREG(existing.st_mode) && existing.st_nlink > 1;
    if (inPlace_)
        return;
    file_ = createTemporary(target_, temporary_);
    if (file_ < 0) {
        const int error = errno;
        inPlace_ = exists && S_ISREG(existing.st_mode) && (error == EACCES || error == EPERM);
        if (inPlace_)
            return;
        throw writeError(path_, error);
    }
    if (!exists)
        return;
    // The owner first: a change of owner clears the set-id bits.
    const bool sameOwner = ::fchown(file_, existing.st_uid, existing.st_gid) == 0;
    const int error = sameOwner && ::fchmod(file_, existing.st_mode & 07777) != 0 ? errno : 0;
    if (sameOwner && error == 0)
        return;
    ::close(file_);
    ::unlink(temporary_.c_str());
    file_ = -1;
    if (error != 0)
        throw writeError(path_, error);
    inPlace_ = true;
}

FileReplacement::~FileReplacement()
{
    if (file_ >= 0) {
        ::close(file_);
        ::unlink(temporary_.c_str());
    }
}

void FileReplacement::write(std::string_view bytes)
{
    // Small pieces are gathered, so that a program written line by line costs
    // few system calls; a large one goes out as it is.
    constexpr std::size_t kGathered = 64 * 1024;
    if (inPlace_ || pending_.size() + bytes.size() < kGathered) {
        pending_ += bytes;
        return;
    }
    flush();
    if (!writeAll(file_, bytes))
        throw writeError(path_, errno != 0 ? errno : EIO);
}

void FileReplacement::flush()
{
    if (!writeAll(file_, pending_))
        throw writeError(path_, errno != 0 ? errno : EIO);
    pending_.clear();
}

void FileReplacement::writeInPlace()
{
    const int file = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
    if (file < 0)
        throw writeError(path_, errno);
    // The room is taken before the first old byte is overwritten; a file
    // system that cannot reserve room is written without.
    int failure = ::posix_fallocate(file, 0, static_cast<off_t>(std::max<std::size_t>(pending_.size(), 1)));
    if (failure == EOPNOTSUPP || failure == EINVAL)
        failure = 0;
    if (failure == 0 && !writeAll(file, pending_))
        failure = errno != 0 ? errno : EIO;
    if (failure == 0 && ::ftruncate(file, static_cast<off_t>(pending_.size())) != 0)
        failure = errno;
    if (failure == 0 && ::fsync(file) != 0)
        failure = errno;
    if (::close(file) != 0 && failure == 0)
        failure = errno;
    if (failure != 0)
        throw writeError(path_, failure);
}

void FileReplacement::commit()
{
    if (inPlace_) {
        writeInPlace();
        return;
    }
    flush();
    int failure = ::fsync(file_) != 0 ? errno : 0;  // on the disk before the name points at it
    if (::close(file_) != 0 && failure == 0)
        failure = errno;
    file_ = -1;
    if (failure == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0)
        failure = errno;
    if (failure != 0) {
        ::unlink(temporary_.c_str());
        throw writeError(path_, failure);
    }
}

void writeFileAtomically(const std::string& path, std::string_view bytes)
{
    FileReplacement file(path);
    file.write(bytes);
    file.commit();
}

void removeLeftoverTemporaries(const std::string& path) noexcept
{
    const std::filesystem::path target = linkTarget(path);
    std::error_code error;
    std::filesystem::directory_iterator entries(target.parent_path().empty() ? "." : target.parent_path(), error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::error_code ignored;
        if (entries->is_regular_file(ignored) && !entries->is_symlink(ignored)
            && isTemporaryName(entries->path().filename().string()))
            std::filesystem::remove(entries->path(), ignored);
    }
}

}  // namespace tarnix
