#include "editor/version_info.h"

#include "common/errors.h"
#include "common/regular_file.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace tarnix {
namespace {

std::uint32_t readLittle(std::string_view bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::uint64_t readLittle64(std::string_view bytes, std::size_t at)
{
    return readLittle(bytes, at, 4) | (std::uint64_t{readLittle(bytes, at + 4, 4)} << 32);
}

void putWord(std::string& out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void setWord(std::string& out, std::size_t at, std::size_t value)
{
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void align(std::string& out)
{
    while (out.size() % 4)
        out += '\0';
}

std::string utf16(std::string_view ascii)
{
    std::string out;
    for (char c : ascii)
        putWord(out, static_cast<unsigned char>(c));
    putWord(out, 0);
    return out;
}

// One node: header, key, value, children, each aligned to 32 bits.
std::string node(std::string_view key, int type, std::string_view value, std::size_t valueLength,
                 std::string_view children)
{
    std::string out(6, '\0');
    setWord(out, 2, valueLength);
    setWord(out, 4, static_cast<std::size_t>(type));
    out += utf16(key);
    align(out);
    out += value;
    align(out);
    out += children;
    setWord(out, 0, out.size());
    align(out);
    return out;
}

std::string fixedFileInfo()
{
    std::string info(52, '\0');
    const std::uint32_t signature = 0xFEEF04BD, structVersion = 0x00010000;
    std::memcpy(info.data(), &signature, 4);
    std::memcpy(info.data() + 4, &structVersion, 4);
    return info;
}

struct Node {
    std::string_view key;  // UTF-16 bytes without the terminator
    std::string_view value;
    int type = 0;
    std::string_view children;
};

// The node at the start of `bytes`; nothing when its lengths do not fit.
std::optional<Node> parseNode(std::string_view bytes, std::size_t& length)
{
    if (bytes.size() < 6)
        return std::nullopt;
    length = readLittle(bytes, 0, 2);
    const std::size_t valueLength = readLittle(bytes, 2, 2);
    const int type = static_cast<int>(readLittle(bytes, 4, 2));
    if (length < 6 || length > bytes.size())
        return std::nullopt;
    bytes = bytes.substr(0, length);
    std::size_t at = 6;
    while (at + 1 < bytes.size() && readLittle(bytes, at, 2) != 0)
        at += 2;
    if (at + 1 >= bytes.size())
        return std::nullopt;
    Node result;
    result.key = bytes.substr(6, at - 6);
    result.type = type;
    at = (at + 2 + 3) & ~std::size_t{3};
    const std::size_t valueBytes = type == 1 ? valueLength * 2 : valueLength;
    if (at + valueBytes > bytes.size())
        return std::nullopt;
    result.value = bytes.substr(at, valueBytes);
    at = (at + valueBytes + 3) & ~std::size_t{3};
    result.children = at < bytes.size() ? bytes.substr(at) : std::string_view();
    return result;
}

bool keyEquals(std::string_view utf16Key, std::string_view name)
{
    if (utf16Key.size() != 2 * name.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const std::uint32_t c = readLittle(utf16Key, 2 * i, 2);
        if (c > 0x7F || std::tolower(static_cast<int>(c)) != std::tolower(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

std::string textValue(std::string_view utf16Value)
{
    std::string out;
    for (std::size_t i = 0; i + 1 < utf16Value.size(); i += 2) {
        const std::uint32_t c = readLittle(utf16Value, i, 2);
        if (c == 0)
            break;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string hexUpper(unsigned value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", value);
    return buffer;
}

}  // namespace

std::string buildVersionInfo(const std::vector<VersionStringTable>& tables,
                             const std::vector<VersionTranslation>& translations)
{
    std::string stringTables;
    for (const VersionStringTable& table : tables) {
        std::string strings;
        for (const auto& [key, value] : table.strings)
            strings += node(key, 1, utf16(value), value.size() + 1, {});
        stringTables += node(table.name, 1, {}, 0, strings);
    }
    std::string translationValue;
    for (const VersionTranslation& translation : translations) {
        putWord(translationValue, translation.language);
        putWord(translationValue, translation.codePage);
    }
    const std::string children = node("StringFileInfo", 1, {}, 0, stringTables) +
                                 node("VarFileInfo", 1, {}, 0,
                                      node("Translation", 0, translationValue, translationValue.size(), {}));
    return node("VS_VERSION_INFO", 0, fixedFileInfo(), 52, children);
}

std::optional<std::string> queryVersionValue(std::string_view block, std::string_view path)
{
    std::size_t length = 0;
    std::optional<Node> current = parseNode(block, length);
    for (std::size_t start = 0; current && start <= path.size();) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos)
            end = path.size();
        const std::string_view name = path.substr(start, end - start);
        start = end + 1;
        if (name.empty())
            continue;
        std::string_view children = current->children;
        std::optional<Node> found;
        while (!found && !children.empty()) {
            std::optional<Node> child = parseNode(children, length);
            if (!child)
                return std::nullopt;
            if (keyEquals(child->key, name))
                found = child;
            const std::size_t next = (length + 3) & ~std::size_t{3};
            children = next < children.size() ? children.substr(next) : std::string_view();
        }
        current = found;
    }
    if (!current)
        return std::nullopt;
    return current->type == 1 ? textValue(current->value) : std::string(current->value);
}

std::optional<std::string> readVersionSection(const std::string& fileName)
{
    // Only a regular file can be an executable: a folder would fail the
    // read with an error of its own, a pipe would block it.
    std::string elf;
    try {
        elf = readRegularFile(fileName);
    } catch (const InputOutputError&) {
        return std::nullopt;
    }
    // 64-bit little-endian ELF only: the program is built for nothing else.
    if (elf.size() < 64 || elf.compare(0, 4, "\x7F" "ELF") != 0 || elf[4] != 2 || elf[5] != 1)
        return std::nullopt;
    const std::uint64_t sectionTable = readLittle64(elf, 0x28);
    const std::size_t entrySize = readLittle(elf, 0x3A, 2), count = readLittle(elf, 0x3C, 2),
                      namesIndex = readLittle(elf, 0x3E, 2);
    auto entryAt = [&](std::size_t index) -> std::optional<std::size_t> {
        const std::uint64_t at = sectionTable + std::uint64_t{index} * entrySize;
        if (entrySize < 64 || index >= count || at + 64 > elf.size())
            return std::nullopt;
        return static_cast<std::size_t>(at);
    };
    auto contents = [&](std::size_t entry) -> std::optional<std::string_view> {
        const std::uint64_t offset = readLittle64(elf, entry + 0x18), size = readLittle64(elf, entry + 0x20);
        if (offset > elf.size() || size > elf.size() - offset)
            return std::nullopt;
        return std::string_view(elf).substr(offset, size);
    };
    std::optional<std::size_t> namesEntry = entryAt(namesIndex);
    std::optional<std::string_view> names = namesEntry ? contents(*namesEntry) : std::nullopt;
    if (!names)
        return std::nullopt;
    for (std::size_t index = 0; index < count; ++index) {
        std::optional<std::size_t> entry = entryAt(index);
        if (!entry)
            return std::nullopt;
        const std::size_t nameAt = readLittle(elf, *entry, 4);
        if (nameAt >= names->size() || names->substr(nameAt, names->find('\0', nameAt) - nameAt) != kVersionSection)
            continue;
        std::optional<std::string_view> section = contents(*entry);
        return section ? std::optional<std::string>(std::string(*section)) : std::nullopt;
    }
    return std::nullopt;
}

std::string fileVersionFromBlock(std::string_view block)
{
    std::optional<std::string> translations = queryVersionValue(block, "\\\\VarFileInfo\\\\Translation");
    if (!translations)
        return {};
    for (std::size_t at = 0; at + 4 <= translations->size(); at += 4) {
        const unsigned language = readLittle(*translations, at, 2), codePage = readLittle(*translations, at + 2, 2);
        const std::string path = "StringFileInfo\\0" + hexUpper(language) + "0" + hexUpper(codePage) + "\\FileVersion";
        if (std::optional<std::string> version = queryVersionValue(block, path))
            return *version;
    }
    return {};
}

std::string GetFileVersionString(const std::string& fileName)
{
    if (fileName.empty())
        return {};
    std::optional<std::string> block = readVersionSection(fileName);
    return block ? fileVersionFromBlock(*block) : std::string();
}

}  // namespace tarnix
