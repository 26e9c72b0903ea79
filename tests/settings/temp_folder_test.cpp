#include "settings/temp_folder.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

using namespace tarnix;
using tarnix::testing::ScratchFolder;
using tarnix::testing::readFile;
using tarnix::testing::writeFile;
namespace fs = std::filesystem;

namespace {

// Runs `body` as the unprivileged user "nobody" when the suite runs as root,
// where permission bits stop nothing; returns whether `body` returned true.
bool runUnprivileged(const fs::path& tree, const std::function<bool()>& body)
{
    if (::geteuid() != 0)
        return body();
    constexpr uid_t nobody = 65534;
    for (const auto& entry : fs::recursive_directory_iterator(tree))
        if (::lchown(entry.path().c_str(), nobody, nobody) != 0)
            return false;
    if (::lchown(tree.c_str(), nobody, nobody) != 0 || ::chmod(tree.parent_path().c_str(), 0777) != 0)
        return false;
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(::setgid(nobody) == 0 && ::setuid(nobody) == 0 && body() ? 0 : 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Every entry below `folder` with its permissions and contents.
std::string treeListing(const fs::path& folder)
{
    std::string listing;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        listing += entry.path().lexically_relative(folder).string() + " "
                   + std::to_string(static_cast<unsigned>(entry.symlink_status().permissions()));
        if (entry.is_regular_file())
            listing += " " + readFile(entry.path());
        listing += "\n";
    }
    return listing;
}

}  // namespace

TEST(TempFolder, RemovesSubFoldersAndReadOnlyFiles)
{
    ScratchFolder scratch;
    const fs::path root = scratch.file("tempcnc");
    fs::create_directories(root / "sub" / "deeper");
    writeFile(root / "a.nc", "G0");
    writeFile(root / "sub" / "deeper" / "b.nc", "G1");
    fs::permissions(root / "sub" / "deeper" / "b.nc", fs::perms::owner_read);
    fs::permissions(root / "sub" / "deeper", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(runUnprivileged(root, [&] {
        MyRemoveDir(root.string() + "/");
        return !fs::exists(root);
    }));
}

TEST(TempFolder, SymbolicLinksAreRemovedNotFollowed)
{
    ScratchFolder scratch;
    const fs::path outside = scratch.file("outside");
    fs::create_directories(outside / "sub");
    writeFile(outside / "keep.nc", "G0");
    writeFile(outside / "sub" / "read-only.nc", "G1");
    fs::permissions(outside / "keep.nc", fs::perms::owner_read);
    fs::permissions(outside / "sub", fs::perms::owner_read | fs::perms::owner_exec);
    const std::string before = treeListing(outside);
    // A link inside the folder, and a link standing in for the folder itself.
    const fs::path root = scratch.file("tempcnc");
    fs::create_directories(root);
    fs::create_directory_symlink(outside, root / "link");
    const fs::path linkedRoot = scratch.file("tempcnc-link");
    fs::create_directory_symlink(outside, linkedRoot);
    for (const fs::path& folder : {root, linkedRoot}) {
        MyRemoveDir(folder.string() + "/");
        EXPECT_FALSE(fs::exists(fs::symlink_status(folder))) << folder;
        EXPECT_EQ(treeListing(outside), before) << folder;
    }
    fs::permissions(outside / "sub", fs::perms::owner_all);  // the scratch folder goes
}
