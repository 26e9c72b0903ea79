#include "transform/mask_save_filter.h"

#include "transform/replace_all.h"

#include <algorithm>
#include <cctype>

namespace tarnix {
namespace {

bool isZipMask(std::string mask)
{
    std::transform(mask.begin(), mask.end(), mask.begin(), [](unsigned char c) { return std::toupper(c); });
    return mask == "*.ZIP";
}

// Where the extension of the file-name part begins, or the end.
std::size_t extensionStart(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path.size();
    return dot;
}

}  // namespace

MaskSaveFilter::MaskSaveFilter(const TFileMasks& masks, bool leaveOutZip)
{
    for (std::int32_t n = 1; n <= masks.gExtCount; ++n) {
        const std::string& mask = masks.gExtMasks[n];
        if (!mask.empty() && !(leaveOutZip && isZipMask(mask)))
            masks_.push_back(mask);
    }
}

std::string MaskSaveFilter::text() const
{
    std::string filter = "All files|*.*";
    for (const std::string& mask : masks_)
        filter += "|" + mask + "|" + mask;
    return filter;
}

std::string MaskSaveFilter::extensionOf(int filterIndex) const
{
    const std::size_t entry = static_cast<std::size_t>(filterIndex - 2);
    if (filterIndex < 2 || entry >= masks_.size())
        return {};
    return ReplaceAll(masks_[entry], "*", "");
}

std::string extensionOf(const std::string& path)
{
    return path.substr(extensionStart(path));
}

std::string withExtension(const std::string& path, const std::string& extension)
{
    return path.substr(0, extensionStart(path)) + extension;
}

}  // namespace tarnix
