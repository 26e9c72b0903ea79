#include "settings/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tarnix;
namespace fs = std::filesystem;

TEST(TempFolder, RemovesSubFoldersAndReadOnlyFiles)
{
    fs::path root = fs::temp_directory_path() / "tarnix-tempcnc-test";
    fs::remove_all(root);
    fs::create_directories(root / "sub" / "deeper");
    std::ofstream(root / "a.nc") << "G0";
    std::ofstream(root / "sub" / "deeper" / "b.nc") << "G1";
    fs::permissions(root / "sub" / "deeper" / "b.nc", fs::perms::owner_read);
    fs::permissions(root / "sub" / "deeper", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(MyRemoveDir(root.string() + "/"));
    EXPECT_FALSE(fs::exists(root));
}

TEST(TempFolder, SymbolicLinkIsRemovedNotFollowed)
{
    fs::path root = fs::temp_directory_path() / "tarnix-tempcnc-link";
    fs::path outside = fs::temp_directory_path() / "tarnix-tempcnc-outside";
    fs::remove_all(root);
    fs::remove_all(outside);
    fs::create_directories(root);
    fs::create_directories(outside);
    std::ofstream(outside / "keep.nc") << "G0";
    fs::create_directory_symlink(outside, root / "link");
    MyRemoveDir(root.string() + "/");
    EXPECT_FALSE(fs::exists(root));
    EXPECT_TRUE(fs::exists(outside / "keep.nc"));
    fs::remove_all(outside);
}

TEST(TempFolder, MissingFolderIsFine)
{
    EXPECT_TRUE(MyRemoveDir("/nonexistent/tarnix/tempcnc/"));
}
