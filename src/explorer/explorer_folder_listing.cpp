#include "explorer/explorer_folder_listing.h"

#include "common/errors.h"
#include "explorer/explorer_description.h"
#include "explorer/explorer_names.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <exception>
#include <filesystem>
#include <vector>

namespace tarnix {
namespace {

struct Candidate {
    std::string name;
    std::string sortKey;
    struct stat info {};
};

std::string foldedCase(const std::string& name)
{
    std::string key = name;
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + ('a' - 'A'));
    return key;
}

// The regular files of `folder`, in the order of their names with case
// ignored, as a Windows folder search returns them; a Linux directory
// returns its entries in no useful order.
std::vector<Candidate> regularFiles(const std::string& folder)
{
    std::vector<Candidate> files;
    std::error_code error;
    std::filesystem::directory_iterator entry(folder, error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        Candidate file;
        file.name = entry->path().filename().native();
        if (file.name.starts_with('.'))
            continue;
        // stat follows links: a link to a program lists as that program.
        const std::string path = entry->path().native();
        if (::stat(path.c_str(), &file.info) != 0 || !S_ISREG(file.info.st_mode))
            continue;
        file.sortKey = foldedCase(file.name);
        files.push_back(std::move(file));
    }
    std::sort(files.begin(), files.end(), [](const Candidate& a, const Candidate& b) {
        return a.sortKey != b.sortKey ? a.sortKey < b.sortKey : a.name < b.name;
    });
    return files;
}

LocalDateTime localTime(std::time_t when)
{
    std::tm parts{};
    localtime_r(&when, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

}  // namespace

void listFolderFiles(const std::string& folder, const TFileMasks& masks,
                    const std::function<void(const FolderFile&)>& add)
{
    const std::vector<Candidate> files = regularFiles(folder);
    std::exception_ptr firstError;
    for (std::int32_t n = 1; n <= masks.gExtCount; ++n) {
        const std::string& mask = masks.gExtMasks[static_cast<std::size_t>(n)];
        for (const Candidate& file : files) {
            if (!matchesFileMask(file.name, mask))
                continue;
            FolderFile listed{file.name, localTime(file.info.st_mtime), file.info.st_size,
                              hasZipExtension(file.name), {}};
            if (!listed.isArchive) {
                // One unreadable program must not hide the rest of the folder.
                try {
                    listed.description = GetDescription(folder + file.name);
                } catch (const InputOutputError&) {
                    if (!firstError)
                        firstError = std::current_exception();
                }
            }
            add(listed);
        }
    }
    if (firstError)
        std::rethrow_exception(firstError);
}

}  // namespace tarnix
