#include "unzfdll/entry_target.h"

#include "common/zip_entry_names.h"

namespace tarnix::unzfdll {

bool isFolderEntry(std::string_view name)
{
    return !name.empty() && isZipNameSeparator(name.back());
}

std::optional<EntryTarget> entryTarget(std::string_view name, bool junkFolderNames)
{
    if (name.empty() || isZipNameSeparator(name.front()))
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

    EntryTarget target;
    if (!isFolderEntry(name)) {
        // The file is written under the name the Explorer looks for.
        const std::string_view fileName = zipEntryFileName(name);
        if (fileName == ".")
            return std::nullopt;  // names no file
        target.name = fileName;
        parts.pop_back();
    }
    if (!junkFolderNames)
        target.folders = std::move(parts);
    return target;
}

}  // namespace tarnix::unzfdll
