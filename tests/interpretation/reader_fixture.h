#pragma once
// A context wired to recorders for the program readers and scans, and a
// scratch folder for the files a test writes.

#include "interpretation/interpreter_context.h"
#include "recording_sinks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace tarnix::testing {

class RecordingProgress : public ProgressSink {
public:
    void setMaximum(long long value) override { events.push_back("max " + std::to_string(value)); }
    void setPosition(long long value) override { events.push_back("pos " + std::to_string(value)); }
    void setVisible(bool value) override
    {
        visible = value;
        events.push_back(value ? "show" : "hide");
    }

    std::vector<std::string> events;
    bool visible = false;
};

// A folder of its own under the system's temporary folder, removed with
// everything in it when the test ends.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("tarnix-readers-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Writes `bytes` verbatim and returns the file's full path.
    std::string write(const std::string& name, const std::string& bytes) const
    {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    std::string path(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& folder() const { return path_; }

private:
    std::filesystem::path path_;
};

// The files this process holds open: a reader that leaves one open on an
// error path shows here.
inline std::size_t openFileCount()
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

inline std::string readerData(const std::string& name)
{
    return std::string(TARNIX_READER_DATA) + "/" + name;
}

class ReaderFixture : public ::testing::Test {
protected:
    ReaderFixture()
    {
        context.status = &status;
        context.Scroll = &scroll;
        context.ProgressBar = &progress;
    }

    InterpreterContext context;
    RecordingStatus status;
    RecordingLines scroll;
    RecordingProgress progress;
    ScratchFolder folder;
};

}  // namespace tarnix::testing
