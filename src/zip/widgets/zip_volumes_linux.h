#pragma once
// The zip reader's volume queries on Linux: the mounted file system that
// holds a path, its label, and whether its disk is removable.

#include "zip/zip_platform.h"

class QStorageInfo;

namespace tarnix {

class LinuxZipVolumes : public ZipVolumes {
public:
    bool isRemovable(const std::string& path) const override;
    // The file system's label as udev lists it (/dev/disk/by-label).
    std::optional<std::string> volumeLabel(const std::string& path) const override;
};

// The label of `storage`. A path whose mount cannot be found (in a chroot,
// in some containers) lies on a volume without a label; only a volume that
// is not ready cannot be queried.
std::optional<std::string> volumeLabelOf(const QStorageInfo& storage);

}  // namespace tarnix
