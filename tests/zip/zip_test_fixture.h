#pragma once
// A TsZip on fake volumes with a prompt recorder, and a folder of its own
// for the archives a test writes.

#include "zip/zip_archive.h"
#include "zip/zip_exception.h"
#include "zip_test_archive.h"
#include "zip_test_platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

namespace tarnix::testing {

class ZipArchiveTest : public ::testing::Test {
protected:
    ZipArchiveTest()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarnix_zip_XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        zip.OnContentsChanged = [this](TsZip& sender) {
            if (&sender == &zip)
                ++announcements;
        };
    }
    ~ZipArchiveTest() override { std::filesystem::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    std::string write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary | std::ios::trunc) << bytes;
        return path(name);
    }

    // The text of the ZipException that `action` raises; empty when none.
    static std::string zipErrorOf(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const ZipException& error) {
            return error.what();
        }
        return {};
    }

    FakeVolumes volumes;
    PromptRecorder prompt;
    TsZip zip{volumes, prompt};
    int announcements = 0;  // OnContentsChanged calls

private:
    std::filesystem::path folder_;
};

}  // namespace tarnix::testing
