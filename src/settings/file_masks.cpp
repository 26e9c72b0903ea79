#include "settings/file_masks.h"

#include <algorithm>

namespace tarnix {

void TFileMasks::parseExt(std::string_view text)
{
    *this = TFileMasks{};
    std::size_t from = 0;
    while (from < text.size() && gExtCount < kCapacity) {
        const std::size_t end = std::min(text.find(';', from), text.size());
        if (end > from)
            gExtMasks[++gExtCount] = std::string(text.substr(from, end - from));
        from = end + 1;
    }
}

std::string TFileMasks::maskFilter() const
{
    return filterWithout({});
}

std::string TFileMasks::programFileFilter() const
{
    return filterWithout("*.zip");
}

std::string TFileMasks::filterWithout(std::string_view excludedMask) const
{
    std::string filter = "All files|*.*";
    for (std::int32_t n = 1; n <= gExtCount; ++n) {
        const std::string& mask = gExtMasks[n];
        if (!mask.empty() && mask != excludedMask)
            filter += "|" + mask + "|" + mask;
    }
    return filter;
}

}  // namespace tarnix
