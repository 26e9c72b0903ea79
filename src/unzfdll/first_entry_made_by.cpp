#include "unzfdll/first_entry_made_by.h"

#include <algorithm>
#include <fstream>
#include <string>

namespace tarnix::unzfdll {
namespace {

constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kHeaderSize = 46;
// The end record and the longest archive comment the lister looks through.
constexpr std::streamoff kEndSearchSpan = 65535;

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::optional<std::string> readAt(std::ifstream& file, std::streamoff at, std::size_t length)
{
    std::string bytes(length, '\0');
    if (at < 0 || !file.seekg(at) || !file.read(bytes.data(), static_cast<std::streamsize>(length)))
        return std::nullopt;
    return bytes;
}

}  // namespace

std::optional<MadeBy> firstEntryMadeBy(const char* archivePath)
{
    std::ifstream file(archivePath, std::ios::binary | std::ios::ate);
    if (!file)
        return std::nullopt;
    const std::streamoff size = file.tellg();
    const std::streamoff span = std::min(size, kEndSearchSpan);
    const std::optional<std::string> tail = readAt(file, size - span, static_cast<std::size_t>(span));
    if (!tail || tail->size() < kEndRecordSize)
        return std::nullopt;

    const std::string signature("PK\x05\x06", 4);
    const std::size_t end = tail->rfind(signature, tail->size() - kEndRecordSize);
    if (end == std::string::npos)
        return std::nullopt;
    // The directory ends where the end record starts, whatever the stored
    // offset says (a self-extractor's program may come first).
    const std::streamoff directory =
        size - span + static_cast<std::streamoff>(end) - static_cast<std::int32_t>(littleEndian(*tail, end + 12, 4));
    const std::optional<std::string> header = readAt(file, directory, kHeaderSize);
    if (!header || header->compare(0, 4, "PK\x01\x02", 4) != 0)
        return std::nullopt;
    return MadeBy{static_cast<std::uint8_t>((*header)[4]), static_cast<std::uint8_t>((*header)[5])};
}

}  // namespace tarnix::unzfdll
