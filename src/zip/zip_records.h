#pragma once
// The records of the classic zip format that the directory reader uses, and
// the records it keeps. Of the 64-bit format only an entry's size is read.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tarnix {

inline constexpr std::uint32_t kZipEndOfCentralDirSignature = 0x06054B50;
inline constexpr std::uint32_t kZipCentralHeaderSignature = 0x02014B50;
inline constexpr std::size_t kZipEndOfCentralDirSize = 22;
inline constexpr std::size_t kZipCentralHeaderSize = 46;

// End-of-central-directory record; the archive comment follows it.
struct ZipEndOfCentralDir {
    std::uint32_t Signature = 0;
    std::uint16_t ThisDisk = 0;  // not 0: the last disk of a spanned set
    std::uint16_t CentralDirStartDisk = 0;
    std::uint16_t EntriesThisDisk = 0;
    std::uint16_t TotalEntries = 0;
    std::uint32_t CentralDirSize = 0;
    std::uint32_t CentralDirOffset = 0;  // only trusted on a spanned set
    std::uint16_t CommentLength = 0;
};

// Central-directory header; name, extra field and comment follow it.
struct ZipCentralHeader {
    std::uint32_t Signature = 0;
    std::uint8_t VersionMadeBy = 0;  // 50 for 5.0
    std::uint8_t HostSystem = 0;     // 0 MS-DOS, 3 Unix, 6 OS/2 HPFS, 11 NTFS
    std::uint16_t VersionNeeded = 0;
    std::uint16_t Flags = 0;         // bit 0: encrypted
    std::uint16_t CompressionMethod = 0;
    std::uint16_t LastModTime = 0;   // DOS time
    std::uint16_t LastModDate = 0;   // DOS date
    std::uint32_t Crc32 = 0;
    std::uint32_t CompressedSize = 0;
    std::uint32_t UncompressedSize = 0;
    std::uint16_t FileNameLength = 0;
    std::uint16_t ExtraFieldLength = 0;
    std::uint16_t FileCommentLength = 0;
    std::uint16_t DiskNumberStart = 0;
    std::uint16_t InternalAttributes = 0;
    std::uint32_t ExternalAttributes = 0;
    std::uint32_t LocalHeaderOffset = 0;
};

using ZipEndOfCentralDirBytes = std::array<unsigned char, kZipEndOfCentralDirSize>;
using ZipCentralHeaderBytes = std::array<unsigned char, kZipCentralHeaderSize>;

ZipEndOfCentralDir decodeEndOfCentralDir(const ZipEndOfCentralDirBytes& bytes);
ZipCentralHeader decodeCentralHeader(const ZipCentralHeaderBytes& bytes);

// One entry of the archive. Names and comments are UTF-8 when the archive
// was made on DOS (converted from code page 866), else the bytes as stored.
// Folders in FileName are separated by "/": the zip format's separator is
// also the platform's, so the name can be joined to a folder as it is.
struct TFileInfo {
    ZipCentralHeader Header;
    bool Encrypted = false;
    std::string FileName;
    std::string ExtraField;  // raw bytes
    std::string FileComment;
};

// The entry's uncompressed size. An archive of the 64-bit format stores
// all ones in the 32-bit field and the size in the zip64 extra field (tag 1),
// as libzip reads it; without such a record the 32-bit field stands.
std::uint64_t uncompressedSizeOf(const TFileInfo& entry);

// The archive's end record as the component keeps it.
struct TEOCHInfo {
    ZipEndOfCentralDir Record;
    std::string ZipComment;     // as stored, never converted
    std::int64_t Position = -1;  // -1 while no archive has been read
};

}  // namespace tarnix
