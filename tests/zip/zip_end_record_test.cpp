// Finding the end record, and the limits it must keep.

#include "zip_test_fixture.h"

namespace tarnix::testing {
namespace {

const TestZipArchive kOneEntry{.entries = {{.name = "part.nc"}}};

std::string notValid(const std::string& file) { return "\"" + file + "\"\nis not a valid Zip file."; }

// Only the last 65535 bytes are searched: 65513 bytes of comment behind the
// record are just inside, one more puts the record out of reach.
TEST_F(ZipArchiveTest, EndRecordIsFoundBehindACommentOfUpTo65513Bytes)
{
    for (std::size_t length : {300, 65513}) {
        zip.SetZipFileName(write("a.zip", TestZipArchive{kOneEntry.entries, std::string(length, 'c')}.bytes()));
        EXPECT_EQ(zip.Count(), 1);
        EXPECT_EQ(zip.EndOfDir().ZipComment.size(), length);
    }
    zip.SetZipFileName(write("a.zip", TestZipArchive{kOneEntry.entries, std::string(65514, 'c')}.bytes()));
    EXPECT_EQ(zip.Count(), 0);
    EXPECT_EQ(announcements, 3);
}

// Also with a spanned set's label, as that counts on removable disks only.
TEST_F(ZipArchiveTest, FileWithoutEndRecordOnAFixedDiskListsNothingWithoutAMessage)
{
    volumes.label = "PKBACK# 002";
    const std::string endRecordLessOneByte = std::string("PK\x05\x06", 4) + std::string(17, '\0');
    for (const std::string& bytes : {endRecordLessOneByte, std::string(1000, 'x'), std::string()}) {
        zip.SetZipFileName(write("plain.zip", bytes));
        EXPECT_EQ(zip.Count(), 0);
        EXPECT_EQ(zip.EndOfDir().Position, -1);
    }
    EXPECT_EQ(announcements, 3);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(ZipArchiveTest, CommentCutShortByTheFileEndIsDroppedAndReadingGoesOn)
{
    std::string bytes = kOneEntry.bytes() + "abc";
    putLe(bytes, kOneEntry.endRecordOffset() + kEndCommentLength, 10, 2);
    zip.SetZipFileName(write("a.zip", bytes));

    EXPECT_EQ(zip.EndOfDir().ZipComment, "");
    EXPECT_EQ(zip.Count(), 1);
}

TEST_F(ZipArchiveTest, DirectoryOf1024000BytesIsReadAndOneByteMoreIsNotAValidArchive)
{
    TestZipArchive archive;  // 16 headers of 64,000 bytes each
    for (int i = 10; i < 26; ++i)
        archive.entries.push_back({.name = "p" + std::to_string(i), .comment = std::string(64000 - 46 - 3, 'c')});
    std::string bytes = archive.bytes();
    zip.SetZipFileName(write("largest.zip", bytes));
    EXPECT_EQ(zip.EndOfDir().Record.CentralDirSize, 1024000u);
    EXPECT_EQ(zip.Count(), 16);

    putLe(bytes, archive.endRecordOffset() + kEndDirSize, 1024001, 4);
    const std::string tooLarge = write("too_large.zip", bytes);
    EXPECT_EQ(zipErrorOf([&] { zip.SetZipFileName(tooLarge); }), notValid(tooLarge));
    EXPECT_EQ(announcements, 1);
}

TEST_F(ZipArchiveTest, DiskNumbersAbove1000AreNotAValidArchive)
{
    const struct {
        std::uint16_t thisDisk, startDisk;
        bool valid;
    } cases[] = {{1001, 1001, false}, {0, 1001, false}, {1001, 0, false}, {1000, 1000, true}};
    for (const auto& c : cases) {
        std::string bytes = kOneEntry.bytes();
        putLe(bytes, kOneEntry.endRecordOffset() + kEndThisDisk, c.thisDisk, 2);
        putLe(bytes, kOneEntry.endRecordOffset() + kEndStartDisk, c.startDisk, 2);
        const std::string file = write("disks.zip", bytes);
        EXPECT_EQ(zipErrorOf([&] { zip.SetZipFileName(file); }), c.valid ? "" : notValid(file))
            << c.thisDisk << ", " << c.startDisk;
    }
    EXPECT_EQ(zip.Count(), 1);
}

}  // namespace
}  // namespace tarnix::testing
