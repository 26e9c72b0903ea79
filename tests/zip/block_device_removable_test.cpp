// Telling removable disks from fixed ones by what the kernel reports.

#include "support/scratch_folder.h"
#include "zip/block_device_removable.h"

#include <gtest/gtest.h>

namespace tarnix {
namespace {

using testing::ScratchFolder;
using testing::writeFile;
namespace fs = std::filesystem;

// A sysfs with a removable disk sdb (partition sdb1) and a fixed disk sda,
// and device nodes standing in for /dev.
class RemovableDisks : public ::testing::Test {
protected:
    RemovableDisks()
    {
        addDisk("sda", "0");
        addDisk("sdb", "1");
        fs::create_directories(sys() / "devices/sdb/sdb1");
        writeFile(sys() / "devices/sdb/sdb1/partition", "1\n");
        fs::create_symlink(sys() / "devices/sdb/sdb1", sys() / "class/block/sdb1");
        fs::create_directories(folder.file("dev/disk/by-label"));
        for (const char* node : {"sda", "sdb", "sdb1", "loop0"})
            writeFile(folder.file("dev") / node, "");
        fs::create_symlink("../../sdb1", folder.file("dev/disk/by-label/PKBACK#\\x20001"));
    }

    void addDisk(const std::string& name, const std::string& removable)
    {
        fs::create_directories(sys() / "devices" / name);
        writeFile(sys() / "devices" / name / "removable", removable + "\n");
        fs::create_directories(sys() / "class/block");
        fs::create_symlink(sys() / "devices" / name, sys() / "class/block" / name);
    }

    fs::path sys() const { return folder.file("sys"); }
    std::string dev(const std::string& name) const { return (folder.file("dev") / name).string(); }

    ScratchFolder folder;
};

TEST_F(RemovableDisks, DiskMarkedRemovableIsRemovable)
{
    EXPECT_TRUE(isRemovableBlockDevice(dev("sdb"), sys()));
    EXPECT_FALSE(isRemovableBlockDevice(dev("sda"), sys()));
}

TEST_F(RemovableDisks, PartitionFollowsItsDisk)
{
    EXPECT_TRUE(isRemovableBlockDevice(dev("sdb1"), sys()));
}

TEST_F(RemovableDisks, LinksToTheNodeAreFollowed)
{
    EXPECT_TRUE(isRemovableBlockDevice(dev("disk/by-label/PKBACK#\\x20001"), sys()));
}

TEST_F(RemovableDisks, DevicesSysfsDoesNotDescribeAreNotRemovable)
{
    EXPECT_FALSE(isRemovableBlockDevice(dev("loop0"), sys()));
    EXPECT_FALSE(isRemovableBlockDevice(dev("missing"), sys()));
    EXPECT_FALSE(isRemovableBlockDevice("overlay", sys()));
}

}  // namespace
}  // namespace tarnix
