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

bool zipNamesInOemCodePage(std::uint8_t versionMadeBy, std::uint8_t hostSystem)
{
    constexpr std::uint8_t kDos = 0, kOs2 = 6, kNtfs = 11;
    return hostSystem == kDos || hostSystem == kOs2 || (hostSystem == kNtfs && versionMadeBy == 50);
}

}  // namespace tarnix
