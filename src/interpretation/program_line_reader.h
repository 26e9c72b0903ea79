#pragma once
// Reads a program or side file line by line as bytes. Files come from
// Windows machines: a line ends at CR LF, LF or a lone CR, none of which is
// part of the line. The file is closed when the reader goes, on every path.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarnix {

class ProgramLineReader {
public:
    // Throws InputOutputError when the file cannot be opened for reading or
    // is not a regular file (a pipe or a device would hang the reading).
    explicit ProgramLineReader(const std::string& path);

    // The next line without its line end; false at the end of the file.
    // Throws InputOutputError when reading fails.
    bool readLine(std::string& line);
    // The same without a copy: `line` views the reader's buffer and stays
    // valid until the next read.
    bool readLine(std::string_view& line);

    // The file's size in bytes when it was opened.
    long long sizeInBytes() const { return size_; }
    // Bytes taken by the lines read so far, their line ends included.
    long long bytesRead() const { return filled_ - static_cast<long long>(end_ - begin_); }

    // Reads no byte past the first `bytes` of the file: the file seems to
    // end there, also in the middle of a line.
    void limitTo(std::size_t bytes) { unread_ = bytes; }

    // Whether `path` names an existing file system entry; never throws.
    static bool exists(const std::string& path);

private:
    bool fill();

    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    std::string path_;
    long long size_ = 0;
    long long filled_ = 0;  // bytes read from the file into the buffer
    std::vector<char> buffer_;
    std::size_t begin_ = 0, end_ = 0;
    std::size_t unread_ = static_cast<std::size_t>(-1);  // bytes still to be read at most
    // Where the first CR at or after begin_ stands (end_ when the chunk has
    // none); outside begin_ to end_ when it is still to be searched.
    static constexpr std::size_t kUnsearched = static_cast<std::size_t>(-1);
    std::size_t nextReturn_ = kUnsearched;
    // The part of a line read from earlier chunks.
    std::string spill_;
    // The last line ended in a CR at the end of a chunk.
    bool skipLineFeed_ = false;
};

}  // namespace tarnix
