#include "unzfdll/entry_target.h"

#include "common/zip_entry_names.h"

namespace tarnix::unzfdll {

bool isFolderEntry(std::string_view name)
{
    return !name.empty() && isZipNameSeparator(name.back());
}

std::optional<EntryTarget> entryTarget(std::string_view name, bool junkFolderNames)
{
    std::optional<std::vector<std::string>> found = zipEntryPathParts(name);
    if (name.empty() || !found)
        return std::nullopt;
    std::vector<std::string>& parts = *found;

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
