// Listing a folder: which files come, in which order and with which cells.

#include "common/errors.h"
#include "support/scratch_folder.h"
#include "explorer/explorer_folder_listing.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>

namespace tarnix {
namespace {

using testing::ScratchFolder;
using testing::writeFile;

class FolderListing : public ::testing::Test {
protected:
    std::vector<FolderFile> list(const char* masksText)
    {
        TFileMasks masks;
        masks.parseExt(masksText);
        std::vector<FolderFile> files;
        listFolderFiles(folderPath(), masks, [&](const FolderFile& file) { files.push_back(file); });
        return files;
    }
    std::string folderPath() const { return folder.file("").string(); }
    static std::vector<std::string> names(const std::vector<FolderFile>& files)
    {
        std::vector<std::string> out;
        for (const FolderFile& file : files)
            out.push_back(file.name);
        return out;
    }
    ScratchFolder folder;
};

TEST_F(FolderListing, FilesComeMaskByMaskAndByNameWithinAMask)
{
    for (const char* name : {"b.tap", "c.nc", "A.nc", "b.nc", "notes.txt"})
        writeFile(folder.file(name), "%\n");
    EXPECT_EQ(names(list("*.nc;*.tap")), (std::vector<std::string>{"A.nc", "b.nc", "c.nc", "b.tap"}));
}

TEST_F(FolderListing, FileMatchedByTwoMasksIsListedTwice)
{
    writeFile(folder.file("A.NC"), "%\n");
    EXPECT_EQ(names(list("*.nc;*.NC")), (std::vector<std::string>{"A.NC", "A.NC"}));
}

TEST_F(FolderListing, FoldersPipesAndHiddenFilesAreNeverListed)
{
    std::filesystem::create_directory(folder.file("old.nc"));
    ASSERT_EQ(::mkfifo(folder.file("pipe.nc").c_str(), 0600), 0);  // opening it would block
    writeFile(folder.file(".hidden.nc"), "%\n");
    writeFile(folder.file("real.nc"), "%\n");
    EXPECT_EQ(names(list("*.nc")), (std::vector<std::string>{"real.nc"}));
}

TEST_F(FolderListing, ArchivesAreTheExactZipExtensionsAndGetNoDescription)
{
    for (const char* name : {"DATA.ZIP", "data.zip", "Data.Zip"})
        writeFile(folder.file(name), "(\n(READ)\n");
    const std::vector<FolderFile> files = list("*.zip");
    ASSERT_EQ(names(files), (std::vector<std::string>{"DATA.ZIP", "Data.Zip", "data.zip"}));
    EXPECT_TRUE(files[0].isArchive);
    EXPECT_EQ(files[0].description, "");
    EXPECT_FALSE(files[1].isArchive);
    EXPECT_EQ(files[1].description, "(READ)");
    EXPECT_TRUE(files[2].isArchive);
}

TEST_F(FolderListing, SizeAndLocalModificationTimeAreTaken)
{
    writeFile(folder.file("big.nc"), std::string(1234567, 'G'));
    std::tm when{};
    when.tm_year = 2023 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 25;
    when.tm_hour = 10;
    when.tm_min = 5;
    when.tm_sec = 3;
    when.tm_isdst = -1;
    const timespec stamp{std::mktime(&when), 0};
    const timespec times[2] = {stamp, stamp};
    ASSERT_EQ(::utimensat(AT_FDCWD, folder.file("big.nc").c_str(), times, 0), 0);
    const std::vector<FolderFile> files = list("*.nc");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].size, 1234567);
    const LocalDateTime& at = files[0].modified;
    EXPECT_EQ(std::vector<int>({at.year, at.month, at.day, at.hour, at.minute, at.second}),
              std::vector<int>({2023, 12, 25, 10, 5, 3}));
}

TEST_F(FolderListing, NamesThatAreNotUtf8AreListedAsStored)
{
    writeFile(folder.file("\xc4\xe5\xf2\xe0\xeb\xfc.nc"), "(\n(1251)\n");
    const std::vector<FolderFile> files = list("*.nc");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].name, "\xc4\xe5\xf2\xe0\xeb\xfc.nc");
    EXPECT_EQ(files[0].description, "(1251)");
}

TEST_F(FolderListing, UnreadableProgramIsListedAndReportedAfterTheRest)
{
    writeFile(folder.file("a.nc"), "(\n(A)\n");
    // Reading this file fails even for the super-user.
    std::filesystem::create_symlink("/proc/self/mem", folder.file("b.nc"));
    writeFile(folder.file("c.nc"), "(\n(C)\n");
    TFileMasks masks;
    masks.parseExt("*.nc");
    std::vector<FolderFile> files;
    EXPECT_THROW(listFolderFiles(folderPath(), masks, [&](const FolderFile& file) { files.push_back(file); }),
                 InputOutputError);
    EXPECT_EQ(names(files), (std::vector<std::string>{"a.nc", "b.nc", "c.nc"}));
    EXPECT_EQ(files[2].description, "(C)");
}

TEST_F(FolderListing, FolderThatCannotBeReadListsNothing)
{
    TFileMasks masks;
    masks.parseExt("*.nc");
    int calls = 0;
    listFolderFiles(folder.file("missing/").string(), masks, [&](const FolderFile&) { ++calls; });
    EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace tarnix
