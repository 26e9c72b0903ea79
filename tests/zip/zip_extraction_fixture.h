#pragma once
// A TsZip and its extractor over a window that records every box and every
// call on the progress dialog, with the unzip library built next to the
// program.

#include "test_archive.h"
#include "zip/zip_archive.h"
#include "zip/zip_extractor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tarnix::testing {

// A fixed disk with a readable label; no disk is ever asked for.
struct FixedDisk : ZipVolumes, ZipDiskPrompt {
    bool isRemovable(const std::string&) const override { return false; }
    std::optional<std::string> volumeLabel(const std::string&) const override { return "DATA"; }
    bool confirm(const std::string&) override { return false; }
};

class RecordingWindow : public ZipExtractionWindow {
public:
    std::vector<std::string> log;
    std::function<std::string()> password = [] { return std::string(); };
    ZipDamagedAnswer damaged = ZipDamagedAnswer::No;
    std::function<void()> onMessages = [] {};  // what the user does meanwhile

    void ShowInformation(const std::string& message) override { log.push_back("information: " + message); }
    void ShowError(const std::string& message) override { log.push_back("error: " + message); }
    std::string AskPassword(const std::string& prompt) override
    {
        log.push_back("input: " + prompt);
        return password();
    }
    ZipDamagedAnswer AskDamaged(const std::string& question) override
    {
        log.push_back("question: " + question);
        return damaged;
    }
    std::unique_ptr<ZipProgressView> CreateProgressForm(ZipExtractor&) override
    {
        log.push_back("dialog created");
        return std::make_unique<Dialog>(log);
    }
    void ProcessMessages() override { onMessages(); }
    void Sleep(int milliseconds) override { log.push_back("sleep " + std::to_string(milliseconds)); }

    // The lines of `log` that start with `prefix`.
    std::vector<std::string> lines(const std::string& prefix) const
    {
        std::vector<std::string> found;
        for (const std::string& line : log)
            if (line.rfind(prefix, 0) == 0)
                found.push_back(line);
        return found;
    }

private:
    struct Dialog : ZipProgressView {
        explicit Dialog(std::vector<std::string>& log) : log(log) {}
        ~Dialog() override { log.push_back("dialog freed"); }
        void Show() override { log.push_back("show"); }
        void Hide() override { log.push_back("hide"); }
        void SetMax(int maximum) override { log.push_back("max " + std::to_string(maximum)); }
        void SetPosition(int position) override { log.push_back("position " + std::to_string(position)); }
        void SetFileText(const std::string& text) override { log.push_back("file " + text); }
        std::vector<std::string>& log;
    };
};

class ZipExtractionTest : public ::testing::Test {
protected:
    ExtractionFolder scratch;
    std::filesystem::path archive = scratch / "job.zip";
    std::filesystem::path out = scratch / "tempcnc";
    FixedDisk disk;
    TsZip zip{disk, disk};
    RecordingWindow window;
    ZipExtractor extractor{zip, window, TARNIX_UNZDLL_FOLDER};

    void SetUp() override { std::filesystem::create_directory(out); }

    // Opens the archive as the Explorer does, then extracts it into `out`.
    int extract()
    {
        zip.SetZipFileName(archive.string());
        extractor.ExtrBaseDir = out.string() + "/";
        return extractor.Extract();
    }
};

}  // namespace tarnix::testing
