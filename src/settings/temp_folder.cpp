#include "settings/temp_folder.h"

#include <filesystem>
#include <system_error>

namespace tarnix {

bool MyRemoveDir(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::path root(folder);
    if (!root.has_filename())
        root = root.parent_path();  // "tempcnc/" names the link itself, not what it points to
    // A link in place of the folder goes, never what it points to.
    if (fs::is_symlink(fs::symlink_status(root, ignored))) {
        fs::remove(root, ignored);
        return true;
    }
    // Make every entry writable first: read-only files and folders are removed too.
    for (auto it = fs::recursive_directory_iterator(root, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (!it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(root, ignored);
    return true;
}

}  // namespace tarnix
