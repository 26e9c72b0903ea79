#include "settings/temp_folder.h"

#include <filesystem>
#include <system_error>

namespace tarnix {

bool MyRemoveDir(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code ignored;
    // Make every entry writable first: read-only files and folders are removed too.
    for (auto it = fs::recursive_directory_iterator(folder, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (!it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(folder, ignored);
    return true;
}

}  // namespace tarnix
