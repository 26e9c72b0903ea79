#pragma once
// The "version made by" of an archive's first directory entry, which
// decides how its names are decoded. libzip keeps the version byte to
// itself, so the directory is located here as the program's lister does.

#include <cstdint>
#include <optional>

namespace tarnix::unzfdll {

struct MadeBy {
    std::uint8_t version = 0;
    std::uint8_t hostSystem = 0;
};

// nullopt when the archive has no readable first directory entry.
std::optional<MadeBy> firstEntryMadeBy(const char* archivePath);

}  // namespace tarnix::unzfdll
