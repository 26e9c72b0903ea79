#include "common/zip_entry_names.h"

namespace tarnix {

bool isZipNameSeparator(char c)
{
    return c == '/' || c == '\\';
}

std::string_view zipEntryFileName(std::string_view name)
{
    const std::size_t separator = name.find_last_of("/\\");
    return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

std::optional<std::vector<std::string>> zipEntryPathParts(std::string_view name)
{
    if (!name.empty() && isZipNameSeparator(name.front()))
        return std::nullopt;
    std::vector<std::string> parts;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isZipNameSeparator(name[i]))
            continue;
        const std::string_view part = name.substr(begin, i - begin);
        if (part == "..")
            return std::nullopt;
        if (!part.empty() && part != ".")
            parts.emplace_back(part);
        begin = i + 1;
    }
    return parts;
}

std::optional<std::string> zipEntryPath(std::string_view name)
{
    const std::string_view fileName = zipEntryFileName(name);
    std::optional<std::vector<std::string>> parts = zipEntryPathParts(name);
    if (!parts || fileName.empty() || fileName == ".")
        return std::nullopt;
    std::string path;
    for (const std::string& part : *parts)
        path += (path.empty() ? "" : "/") + part;
    return path;
}

bool zipEntryIsLink(std::uint8_t hostSystem, std::uint32_t externalAttributes)
{
    constexpr std::uint8_t kUnix = 3;
    constexpr std::uint32_t kFileType = 0170000, kLink = 0120000;
    return hostSystem == kUnix && ((externalAttributes >> 16) & kFileType) == kLink;
}

bool zipNamesInOemCodePage(std::uint8_t versionMadeBy, std::uint8_t hostSystem)
{
    constexpr std::uint8_t kDos = 0, kOs2 = 6, kNtfs = 11;
    return hostSystem == kDos || hostSystem == kOs2 || (hostSystem == kNtfs && versionMadeBy == 50);
}

}  // namespace tarnix
