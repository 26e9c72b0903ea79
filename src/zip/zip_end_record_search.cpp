#include "zip/zip_end_record_search.h"

#include "zip/zip_records.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tarnix {
namespace {

constexpr auto kEndSize = static_cast<std::int64_t>(kZipEndOfCentralDirSize);
constexpr std::int64_t kSearchSpan = 65535;

bool isEndSignatureAt(const unsigned char* bytes)
{
    constexpr std::array<unsigned char, 4> signature{0x50, 0x4B, 0x05, 0x06};
    return std::equal(signature.begin(), signature.end(), bytes);
}

}  // namespace

std::int64_t ZipFindEndOfCentralDir(const ZipArchiveFile& file)
{
    const std::int64_t size = file.size();
    if (size < kEndSize)
        return -1;

    // Most archives carry no comment: try the exact place first.
    ZipEndOfCentralDirBytes tail{};
    if (!file.readAt(size - kEndSize, tail))
        return -1;
    if (isEndSignatureAt(tail.data()))
        return size - kEndSize;

    const std::int64_t span = std::min(size, kSearchSpan);
    std::vector<unsigned char> block(static_cast<std::size_t>(span));
    if (!file.readAt(size - span, block))
        return -1;
    // Backwards, so the last record wins over a signature inside the data.
    for (std::int64_t at = span - kEndSize; at >= 0; --at)
        if (isEndSignatureAt(block.data() + at))
            return size - span + at;
    return -1;
}

}  // namespace tarnix
