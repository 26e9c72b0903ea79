#pragma once
// The folder that entries are extracted into. Every path below it is reached
// through descriptors and never through a symbolic link, so a link placed in
// the folder cannot carry a write outside it. A file is written under a
// temporary name and takes its place only when complete.

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace tarnix::unzfdll {

// A file descriptor that closes itself.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    ~Descriptor();

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release();

private:
    int fd_;
};

class OutputFile;

class OutputFolder {
public:
    // The process's current directory; nullopt when it cannot be opened.
    static std::optional<OutputFolder> openCurrent();

    // The folder `folders` below this one, created where missing; nullopt
    // when a part exists as something other than a real folder.
    std::optional<OutputFolder> subFolder(const std::vector<std::string>& folders) const;

    // Modification time of whatever `name` stands for now (a link is not
    // followed); nullopt when nothing does.
    std::optional<std::time_t> modificationTime(const std::string& name) const;

    // A new, empty file that replaces `name` when committed; nullopt when
    // the folder takes no new file. The folder must outlive it.
    std::optional<OutputFile> createFile(const std::string& name) const;

private:
    explicit OutputFolder(Descriptor fd) : fd_(std::move(fd)) {}

    Descriptor fd_;
};

class OutputFile {
public:
    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    // Removes the file unless it was committed.
    ~OutputFile();

    bool write(const char* data, std::size_t size);
    // Gives the file its modification time, when known, and puts it in
    // place of `name`, replacing what was there.
    bool commit(std::optional<std::time_t> modified);

private:
    friend class OutputFolder;
    OutputFile(int folder, Descriptor fd, std::string temporaryName, std::string name);

    int folder_;
    Descriptor fd_;
    std::string temporaryName_;
    std::string name_;
    bool committed_ = false;
};

}  // namespace tarnix::unzfdll
