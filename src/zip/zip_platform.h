#pragma once
// What the zip reader asks of the platform and of the user. The window layer
// implements both; tests implement them with fakes and recorders.

#include <optional>
#include <string>

namespace tarnix {

// The volume that holds a path. Spanned archives are recognised by the
// labels of their removable disks.
class ZipVolumes {
public:
    virtual ~ZipVolumes() = default;
    // The path lies on a removable drive (floppy disk, memory stick).
    virtual bool isRemovable(const std::string& path) const = 0;
    // Label of the volume holding `path`, at most 11 characters, empty when
    // the volume has none; nullopt when the volume cannot be queried. The
    // path itself need not exist yet.
    virtual std::optional<std::string> volumeLabel(const std::string& path) const = 0;
};

// The disk-change questions: an information box with OK and Cancel,
// captioned with the application title.
class ZipDiskPrompt {
public:
    virtual ~ZipDiskPrompt() = default;
    // True when the user pressed OK.
    virtual bool confirm(const std::string& message) = 0;
};

}  // namespace tarnix
