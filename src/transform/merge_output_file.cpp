#include "transform/merge_output_file.h"

#include "common/errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace tarnix {
namespace {

[[noreturn]] void fail(const std::string& path, int error)
{
    throw InputOutputError("Cannot create \"" + path + "\": " + std::strerror(error));
}

}  // namespace

MergeOutputFile::MergeOutputFile(std::string path) : path_(std::move(path))
{
    std::random_device seed;
    int descriptor = -1;
    for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
        temporary_ = path_ + "." + std::to_string(seed()) + ".tmp";
        descriptor = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST)
            break;
    }
    if (descriptor < 0)
        fail(path_, errno);
    file_.reset(::fdopen(descriptor, "wb"));
    if (!file_) {
        const int error = errno;
        ::close(descriptor);
        ::unlink(temporary_.c_str());
        fail(path_, error);
    }
}

MergeOutputFile::~MergeOutputFile()
{
    if (!committed_) {
        file_.reset();
        ::unlink(temporary_.c_str());
    }
}

void MergeOutputFile::writeLine(std::string_view line)
{
    if (std::fwrite(line.data(), 1, line.size(), file_.get()) != line.size() ||
        std::fwrite("\r\n", 1, 2, file_.get()) != 2)
        fail(path_, errno);
    previous_ = line;
}

void MergeOutputFile::commit()
{
    // The data must be on the disk before the name points at it.
    int error = 0;
    if (std::fflush(file_.get()) != 0 || ::fsync(::fileno(file_.get())) != 0)
        error = errno;
    if (std::fclose(file_.release()) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary_.c_str(), path_.c_str()) != 0)
        error = errno;
    if (error != 0)
        fail(path_, error);
    committed_ = true;
}

}  // namespace tarnix
