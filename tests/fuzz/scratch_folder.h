#pragma once
// The readers take file names, so each input is written to a file in a
// folder of the process's own, removed when the process ends normally.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace tarnix::fuzz {

class ScratchFolder {
public:
    ScratchFolder()
        : folder_(std::filesystem::temp_directory_path() / ("tarnix_fuzz_" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(folder_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(folder_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string path(std::string_view fileName) const { return (folder_ / fileName).string(); }

    // Creates or replaces the file `fileName` with `bytes`; returns its path.
    std::string write(std::string_view fileName, std::string_view bytes) const
    {
        std::string file = path(fileName);
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

private:
    std::filesystem::path folder_;
};

}  // namespace tarnix::fuzz
