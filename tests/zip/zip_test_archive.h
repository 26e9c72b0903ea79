#pragma once
// Zip archives written byte by byte, so a test controls every field, also
// the ones no archiver would write. Only the directory and the end record
// are written: the reader never looks at the entries' data.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace tarnix::testing {

inline void putLe(std::string& bytes, std::size_t at, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> 8 * i);
}

inline void appendLe(std::string& bytes, std::size_t value, int width)
{
    bytes.resize(bytes.size() + static_cast<std::size_t>(width));
    putLe(bytes, bytes.size() - static_cast<std::size_t>(width), static_cast<std::uint32_t>(value), width);
}

// Field offsets inside the end record and the directory header.
inline constexpr std::size_t kEndThisDisk = 4, kEndStartDisk = 6, kEndDirSize = 12,
                             kEndCommentLength = 20, kHeaderNameLength = 28;

struct TestZipEntry {
    std::string name{};
    std::string extra{};
    std::string comment{};
    std::uint8_t hostSystem = 3;  // Unix
    std::uint8_t versionMadeBy = 20;
    std::uint16_t flags = 0;
    std::uint16_t dosTime = 0;
    std::uint16_t dosDate = 0;
    std::uint32_t size = 0;
};

struct TestZipArchive {
    std::vector<TestZipEntry> entries{};
    std::string comment{};

    std::string bytes() const
    {
        std::string out;
        for (const TestZipEntry& e : entries) {
            for (auto [value, width] : std::initializer_list<std::pair<std::size_t, int>>{
                     {0x02014B50, 4}, {e.versionMadeBy, 1}, {e.hostSystem, 1}, {10, 2}, {e.flags, 2}, {0, 2},
                     {e.dosTime, 2}, {e.dosDate, 2}, {0, 4}, {e.size, 4}, {e.size, 4}, {e.name.size(), 2},
                     {e.extra.size(), 2}, {e.comment.size(), 2}, {0, 4}, {0, 4}, {0, 4}})
                appendLe(out, value, width);
            out += e.name + e.extra + e.comment;
        }
        const std::size_t directorySize = out.size();
        for (auto [value, width] : std::initializer_list<std::pair<std::size_t, int>>{
                 {0x06054B50, 4}, {0, 4}, {entries.size(), 2}, {entries.size(), 2}, {directorySize, 4}, {0, 4},
                 {comment.size(), 2}})
            appendLe(out, value, width);
        return out + comment;
    }

    std::size_t endRecordOffset() const { return bytes().size() - 22 - comment.size(); }
};

}  // namespace tarnix::testing
