#include "editor/save_as_name.h"

#include <vector>

namespace tarnix {

std::string defaultExtension(std::string_view filter, int filterIndex)
{
    if (filterIndex <= 1)
        return ".tap";
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        std::size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string_view::npos ? bar : bar - start));
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    const std::size_t pattern = 2 * static_cast<std::size_t>(filterIndex) - 1;
    if (pattern >= parts.size())
        return {};
    std::string extension;
    for (char c : parts[pattern])
        if (c != '*')
            extension += c;
    return extension;
}

bool hasExtension(std::string_view name)
{
    return fileNamePartOf(name).find('.') != std::string::npos;
}

std::string fileNamePartOf(std::string_view path)
{
    std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace tarnix
