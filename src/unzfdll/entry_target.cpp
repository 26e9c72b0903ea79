#include "unzfdll/entry_target.h"

namespace tarnix::unzfdll {
namespace {

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

}  // namespace

bool isFolderEntry(std::string_view name)
{
    return !name.empty() && isSeparator(name.back());
}

std::optional<EntryTarget> entryTarget(std::string_view name, bool junkFolderNames)
{
    if (name.empty() || isSeparator(name.front()))
        return std::nullopt;

    std::vector<std::string> parts;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isSeparator(name[i]))
            continue;
        const std::string_view part = name.substr(begin, i - begin);
        if (part == "..")
            return std::nullopt;
        if (!part.empty() && part != ".")
            parts.emplace_back(part);
        begin = i + 1;
    }

    EntryTarget target;
    if (!isFolderEntry(name)) {
        if (parts.empty())
            return std::nullopt;  // "." names no file
        target.name = std::move(parts.back());
        parts.pop_back();
    }
    if (!junkFolderNames)
        target.folders = std::move(parts);
    return target;
}

}  // namespace tarnix::unzfdll
