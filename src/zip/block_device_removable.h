#pragma once
// Whether a block device sits on a removable disk (a floppy disk, a memory
// stick, a card in a reader), as the Linux kernel reports it in sysfs.
// Spanned zip archives live on such disks.

#include <filesystem>
#include <string>

namespace tarnix {

// `device` is a device node ("/dev/sdb1") or a link to one
// ("/dev/disk/by-label/..."). A partition counts as removable when its disk
// does. False for anything sysfs does not describe. `sysRoot` is "/sys"
// except in tests.
bool isRemovableBlockDevice(const std::string& device, const std::filesystem::path& sysRoot = "/sys");

}  // namespace tarnix
