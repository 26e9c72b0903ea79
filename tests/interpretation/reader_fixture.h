#pragma once
// A context wired to recorders for the program readers and scans, and a
// scratch folder for the files a test writes.

#include "interpretation/interpreter_context.h"
#include "recording_sinks.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
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
