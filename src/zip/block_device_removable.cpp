#include "zip/block_device_removable.h"

#include <fstream>

namespace tarnix {

bool isRemovableBlockDevice(const std::string& device, const std::filesystem::path& sysRoot)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path node = fs::canonical(device, error);
    if (error || !node.has_filename())
        return false;
    // /sys/class/block/<name> links to the device's folder; a partition's
    // folder lies inside its disk's and carries a "partition" file.
    const fs::path entry = fs::canonical(sysRoot / "class/block" / node.filename(), error);
    if (error)
        return false;
    const fs::path disk = fs::exists(entry / "partition", error) ? entry.parent_path() : entry;
    std::ifstream flag(disk / "removable");
    char removable = '0';
    flag >> removable;
    return removable == '1';
}

}  // namespace tarnix
