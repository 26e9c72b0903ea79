#include "interpretation/program_line_reader.h"

#include "common/errors.h"
#include "common/regular_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace tarnix {
namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

InputOutputError fileError(const std::string& what, const std::string& path, int error)
{
    return InputOutputError(what + " \"" + path + "\": " + std::strerror(error));
}

}  // namespace

ProgramLineReader::ProgramLineReader(const std::string& path)
    : file_(openRegularFile(path)), path_(path), buffer_(kChunkBytes)
{
    struct stat info {};
    if (fstat(fileno(file_.get()), &info) != 0)
        throw fileError("Cannot read", path, errno);
    size_ = info.st_size;
}

bool ProgramLineReader::exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool ProgramLineReader::fill()
{
    const std::size_t count = std::fread(buffer_.data(), 1, std::min(buffer_.size(), unread_), file_.get());
    if (count == 0 && std::ferror(file_.get()))
        throw fileError("Cannot read", path_, errno);
    unread_ -= count;
    begin_ = 0;
    end_ = count;
    filled_ += static_cast<long long>(count);
    nextReturn_ = kUnsearched;
    return count > 0;
}

bool ProgramLineReader::readLine(std::string& line)
{
    std::string_view view;
    const bool read = readLine(view);
    line.assign(view);
    return read;
}

bool ProgramLineReader::readLine(std::string_view& line)
{
    spill_.clear();
    bool any = false;
    for (;;) {
        if (begin_ == end_ && !fill()) {
            line = spill_;
            return any;
        }
        if (skipLineFeed_) {
            // CR LF is one line end, also when the LF starts the next chunk.
            skipLineFeed_ = false;
            if (buffer_[begin_] == '\n') {
                ++begin_;
                continue;
            }
        }
        any = true;
        const char* start = buffer_.data() + begin_;
        const char* stop = buffer_.data() + end_;
        // The line ends at the first LF before the next CR, or at that CR.
        // memchr finds either many bytes at a time; a file without CRs is
        // searched for one once a chunk.
        if (nextReturn_ < begin_ || nextReturn_ > end_) {
            const void* cr = std::memchr(start, '\r', end_ - begin_);
            nextReturn_ = cr != nullptr ? static_cast<const char*>(cr) - buffer_.data() : end_;
        }
        const char* crOrStop = buffer_.data() + nextReturn_;
        const void* lf = std::memchr(start, '\n', crOrStop - start);
        const char* lineEnd = lf != nullptr ? static_cast<const char*>(lf) : crOrStop;
        if (lineEnd == stop) {
            // The line goes on in the next chunk, which will overwrite this one.
            spill_.append(start, stop);
            begin_ = end_;
            continue;
        }
        begin_ += lineEnd - start + 1;
        if (*lineEnd == '\r') {
            if (begin_ == end_)
                skipLineFeed_ = true;
            else if (buffer_[begin_] == '\n')
                ++begin_;
        }
        if (spill_.empty()) {
            line = std::string_view(start, lineEnd - start);
        } else {
            spill_.append(start, lineEnd);
            line = spill_;
        }
        return true;
    }
}

}  // namespace tarnix
