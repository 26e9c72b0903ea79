#include "editor/key_ini_file.h"

#include "editor/program_file.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tarnix {
namespace {

constexpr std::size_t kRecordSize = 8;

void putLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t getLittleEndian(std::string_view in, std::size_t offset, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(in[offset + i]);
    return value;
}

}  // namespace

std::string encodeKeyIni(const TSynEditKeyStrokes& table)
{
    std::string bytes;
    bytes.reserve(4 + kRecordSize * table.size());
    putLittleEndian(bytes, static_cast<std::uint32_t>(table.size()), 4);
    for (const TSynEditKeyStroke& record : table) {
        putLittleEndian(bytes, record.Key, 2);
        putLittleEndian(bytes, record.Shift, 1);
        putLittleEndian(bytes, record.Key2, 2);
        putLittleEndian(bytes, record.Shift2, 1);
        putLittleEndian(bytes, record.Command, 2);
    }
    return bytes;
}

std::optional<TSynEditKeyStrokes> decodeKeyIni(std::string_view bytes)
{
    if (bytes.size() < 4)
        return std::nullopt;
    const auto count = static_cast<std::int32_t>(getLittleEndian(bytes, 0, 4));
    TSynEditKeyStrokes table;
    if (count < 1)
        return table;
    const std::size_t present = (bytes.size() - 4) / kRecordSize;
    const std::size_t records = std::min(present, static_cast<std::size_t>(count));
    table.reserve(records);
    for (std::size_t k = 0; k < records; ++k) {
        const std::size_t at = 4 + kRecordSize * k;
        table.push_back({static_cast<std::uint16_t>(getLittleEndian(bytes, at, 2)),
                         static_cast<std::uint8_t>(getLittleEndian(bytes, at + 2, 1)),
                         static_cast<std::uint16_t>(getLittleEndian(bytes, at + 3, 2)),
                         static_cast<std::uint8_t>(getLittleEndian(bytes, at + 5, 1)),
                         static_cast<std::uint16_t>(getLittleEndian(bytes, at + 6, 2))});
    }
    return table;
}

void readKeyIni(const std::string& path, TSynEditKeyStrokes& table)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (std::optional<TSynEditKeyStrokes> read = decodeKeyIni(bytes))
        table = std::move(*read);
}

void readKeyIniFrom(const std::string& keyFile, const std::string& earlierKeyFile, TSynEditKeyStrokes& table)
{
    std::error_code error;
    if (std::filesystem::exists(keyFile, error) || !std::filesystem::exists(earlierKeyFile, error)) {
        readKeyIni(keyFile, table);
        return;
    }
    readKeyIni(earlierKeyFile, table);
    // A copy that fails costs nothing: the start folder is read again next time.
    std::filesystem::copy_file(earlierKeyFile, keyFile, error);
}

void writeKeyIni(const std::string& path, const TSynEditKeyStrokes& table)
{
    writeFileReplacing(path, encodeKeyIni(table));
}

}  // namespace tarnix
