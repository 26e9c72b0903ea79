#include "zip/zip_records.h"

#include <string_view>

namespace tarnix {
namespace {

// Zip numbers are little-endian whatever the machine: the `width` bytes of
// `bytes` from `at`, the least significant first.
template <typename Bytes>
std::uint64_t littleEndian(const Bytes& bytes, std::size_t at, std::size_t width)
{
    std::uint64_t value = 0;
    for (std::size_t i = width; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

template <typename Bytes>
std::uint16_t le16(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint16_t>(littleEndian(b, at, 2));
}

template <typename Bytes>
std::uint32_t le32(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint32_t>(littleEndian(b, at, 4));
}

constexpr std::uint32_t kZip64Marker = 0xFFFFFFFF;
constexpr std::uint16_t kZip64ExtraTag = 0x0001;

}  // namespace

std::uint64_t uncompressedSizeOf(const TFileInfo& entry)
{
    const std::uint32_t size = entry.Header.UncompressedSize;
    if (size != kZip64Marker)
        return size;
    // Extra records: a 16-bit tag and a 16-bit length before each one's data.
    const std::string_view extra = entry.ExtraField;
    for (std::size_t at = 0; at + 4 <= extra.size();) {
        const std::uint16_t tag = le16(extra, at);
        const std::size_t length = le16(extra, at + 2);
        if (tag == kZip64ExtraTag && length >= 8 && at + 4 + 8 <= extra.size())
            return littleEndian(extra, at + 4, 8);  // the uncompressed size comes first
        at += 4 + length;
    }
    return size;
}

ZipEndOfCentralDir decodeEndOfCentralDir(const ZipEndOfCentralDirBytes& b)
{
    ZipEndOfCentralDir r;
    r.Signature = le32(b, 0);
    r.ThisDisk = le16(b, 4);
    r.CentralDirStartDisk = le16(b, 6);
    r.EntriesThisDisk = le16(b, 8);
    r.TotalEntries = le16(b, 10);
    r.CentralDirSize = le32(b, 12);
    r.CentralDirOffset = le32(b, 16);
    r.CommentLength = le16(b, 20);
    return r;
}

ZipCentralHeader decodeCentralHeader(const ZipCentralHeaderBytes& b)
{
    ZipCentralHeader h;
    h.Signature = le32(b, 0);
    h.VersionMadeBy = b[4];
    h.HostSystem = b[5];
    h.VersionNeeded = le16(b, 6);
    h.Flags = le16(b, 8);
    h.CompressionMethod = le16(b, 10);
    h.LastModTime = le16(b, 12);
    h.LastModDate = le16(b, 14);
    h.Crc32 = le32(b, 16);
    h.CompressedSize = le32(b, 20);
    h.UncompressedSize = le32(b, 24);
    h.FileNameLength = le16(b, 28);
    h.ExtraFieldLength = le16(b, 30);
    h.FileCommentLength = le16(b, 32);
    h.DiskNumberStart = le16(b, 34);
    h.InternalAttributes = le16(b, 36);
    h.ExternalAttributes = le32(b, 38);
    h.LocalHeaderOffset = le32(b, 42);
    return h;
}

}  // namespace tarnix
