#include "transform/output_file_name.h"

#include "common/errors.h"

#include <filesystem>
#include <system_error>

namespace tarnix {
namespace {

std::string folderPartOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNamePart(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name counts as taken even when it is a link that leads nowhere.
bool taken(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

}  // namespace

std::string sourceExtension(const std::string& name)
{
    const std::string file = fileNamePart(name);
    const std::size_t dot = file.rfind('.');
    return dot == std::string::npos || dot == 0 ? std::string() : file.substr(dot);
}

std::string outputStem(const std::string& name)
{
    const std::string file = fileNamePart(name);
    const std::string extension = sourceExtension(file);
    if (extension.empty())
        return file;
    // Cut where the extension first occurs: "a.tap.b.tap" gives "a".
    return file.substr(0, file.find(extension));
}

std::string IncrementFileName(const std::string& Dir, const std::string& Prefix, const std::string& Suffix,
                              const std::string& Name, const std::string& Ext)
{
    std::string folder = Dir.starts_with('/') ? Dir : folderPartOf(Name) + Dir;
    // An empty folder is the current one, not the root.
    if (!folder.empty() && !folder.ends_with('/'))
        folder += '/';
    if (!folder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error)
            throw InputOutputError("Cannot create folder " + folder + ": " + error.message());
    }

    const std::string base = folder + Prefix + outputStem(Name) + Suffix;
    std::string candidate = base + Ext;
    for (long long n = 1; taken(candidate); ++n)
        candidate = base + "(" + std::to_string(n) + ")" + Ext;
    return candidate;
}

}  // namespace tarnix
