// Archives spanned over removable disks labelled "PKBACK# nnn". The prompt's
// answer plays the user who swaps the disk before pressing OK.

#include "zip_test_fixture.h"

namespace tarnix::testing {
namespace {

std::string lastDiskBox(int disk)
{
    return "This is [ Disk " + std::to_string(disk)
           + " ] of a multiple disk Zip file.\nInsert the last disk of the Zip file before pressing [ OK ] to continue ...";
}

std::string insertDiskBox(int disk)
{
    return "Insert [ Disk " + std::to_string(disk)
           + " ] of the Zip file into the floppy drive\nbefore pressing [ OK ] to continue ...";
}

class ZipSpannedDiskTest : public ZipArchiveTest {
protected:
    ZipSpannedDiskTest()
    {
        // The directory starts on disk 1 and goes on at the very start of
        // disk 2, which ends with the end record.
        const TestZipArchive archive{.entries = {{.name = "one.nc"}, {.name = "two.nc"}}};
        std::string whole = archive.bytes();
        putLe(whole, archive.endRecordOffset() + kEndThisDisk, 2, 2);
        putLe(whole, archive.endRecordOffset() + kEndStartDisk, 1, 2);
        disk1 = whole.substr(0, 46 + 6);
        disk2 = whole.substr(46 + 6);
        volumes.removable = true;
    }

    // A new file, as on a new disk: a handle to the old one still reads the old.
    void insertDisk(int number, const std::string& bytes)
    {
        std::filesystem::remove(path("set.zip"));
        write("set.zip", bytes);
        volumes.label = "PKBACK# 00" + std::to_string(number);
    }

    std::string disk1;
    std::string disk2;
};

TEST_F(ZipSpannedDiskTest, DirectoryIsReadAcrossTheDisksTheUserInserts)
{
    insertDisk(1, std::string(500, 'd'));
    prompt.answer = [&](std::size_t box) {
        box == 1 ? insertDisk(1, disk1) : insertDisk(2, disk2);
        return true;
    };
    zip.SetZipFileName(path("set.zip"));

    // Disk 1 has no end record; the end record wants the directory's first
    // disk; the directory goes on on disk 2.
    EXPECT_EQ(prompt.messages, (std::vector{lastDiskBox(1), insertDiskBox(1), insertDiskBox(2)}));
    ASSERT_EQ(zip.Count(), 2);
    EXPECT_EQ(zip.GetEntry(0).FileName, "one.nc");
    EXPECT_EQ(zip.GetEntry(1).FileName, "two.nc");
}

// Cancel before the directory: no entries, no error. Cancel inside it: the
// directory cannot be read.
TEST_F(ZipSpannedDiskTest, CancelledDiskPromptStopsTheListing)
{
    insertDisk(2, std::string(500, 'd'));
    zip.SetZipFileName(path("set.zip"));
    insertDisk(2, disk2);
    zip.SetZipFileName(path("set.zip"));
    EXPECT_EQ(prompt.messages, (std::vector{lastDiskBox(2), insertDiskBox(1)}));
    EXPECT_EQ(announcements, 2);

    prompt.answer = [&](std::size_t box) {
        insertDisk(1, disk1);
        return box == 2;
    };
    EXPECT_EQ(zipErrorOf([&] { zip.SetZipFileName(path("set.zip")); }), "Error reading 'CentralFileHeader'!");
    EXPECT_EQ(prompt.messages.back(), insertDiskBox(2));
    EXPECT_EQ(zip.Count(), 0);
}

}  // namespace
}  // namespace tarnix::testing
