// Reading the entries of the central directory.

#include "zip_test_fixture.h"

namespace tarnix::testing {
namespace {

const std::string kOemName = "\x84\x85\x92\x80\x8B\x9C.nc";  // ДЕТАЛЬ.nc in code page 866
const std::string kOemComment = "\x9D\xE1\xAA\xA8\xA7";      // Эскиз
const std::string kExtra("\x0A\x00\x02\x00xy", 6);

const TestZipArchive kTwoEntries{
    .entries = {{.name = "rough.nc", .extra = kExtra, .comment = "roughing", .size = 6},
                {.name = "finish.tap", .flags = 0x0009}},
    .comment = "set of 2"};

TEST_F(ZipArchiveTest, EntriesKeepDirectoryOrderAndTheirStoredFields)
{
    zip.SetZipFileName(write("a.zip", kTwoEntries.bytes()));

    ASSERT_EQ(zip.Count(), 2);
    const TFileInfo rough = zip.GetEntry(0);
    EXPECT_EQ(rough.FileName, "rough.nc");
    EXPECT_EQ(rough.ExtraField, kExtra);
    EXPECT_EQ(rough.FileComment, "roughing");
    EXPECT_EQ(rough.Header.Signature, 0x02014B50u);
    EXPECT_EQ(rough.Header.UncompressedSize, 6u);
    EXPECT_FALSE(rough.Encrypted);
    EXPECT_EQ(zip.GetEntry(1).FileName, "finish.tap");
    EXPECT_TRUE(zip.GetEntry(1).Encrypted);
    EXPECT_EQ(zip.GetEntryComment(0), "roughing");
    EXPECT_EQ(zip.EndOfDir().ZipComment, "set of 2");
}

// Put in front as it is, so every offset stored in the archive is wrong.
TEST_F(ZipArchiveTest, ProgramInFrontOfTheArchiveDoesNotDisturbTheListing)
{
    zip.SetZipFileName(write("sfx.zip", "MZ" + std::string(5000, '\x90') + kTwoEntries.bytes()));

    ASSERT_EQ(zip.Count(), 2);
    EXPECT_EQ(zip.GetEntry(1).FileName, "finish.tap");
}

TEST_F(ZipArchiveTest, FoldersInANameStaySeparatedBySlashes)
{
    zip.SetZipFileName(write("a.zip", TestZipArchive{.entries = {{.name = "dir/sub/name.nc"}}}.bytes()));

    EXPECT_EQ(zip.GetEntry(0).FileName, "dir/sub/name.nc");
}

TEST_F(ZipArchiveTest, FirstEntryFromADosArchiverHasAllNamesConvertedFromCodePage866)
{
    const struct {
        std::uint8_t host, version;
        bool converted;
    } cases[] = {{0, 20, true}, {6, 20, true}, {11, 50, true}, {11, 20, false}, {3, 20, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "host " << +c.host << " version " << +c.version);
        // The second entry claims the other kind: only the first one counts.
        const TestZipArchive archive{
            .entries = {{.name = kOemName, .comment = kOemComment, .hostSystem = c.host, .versionMadeBy = c.version},
                        {.name = kOemName, .hostSystem = static_cast<std::uint8_t>(c.converted ? 3 : 0)}},
            .comment = kOemComment};
        zip.SetZipFileName(write("a.zip", archive.bytes()));

        const std::string name = c.converted ? "ДЕТАЛЬ.nc" : kOemName;
        EXPECT_EQ(zip.GetEntry(0).FileName, name);
        EXPECT_EQ(zip.GetEntry(0).FileComment, c.converted ? "Эскиз" : kOemComment);
        EXPECT_EQ(zip.GetEntry(1).FileName, name);
        EXPECT_EQ(zip.EndOfDir().ZipComment, kOemComment);  // never converted
    }
}

TEST_F(ZipArchiveTest, ArchiveWithoutEntriesHasNoEntryZero)
{
    zip.SetZipFileName(write("empty.zip", TestZipArchive{}.bytes()));

    EXPECT_EQ(zip.Count(), 0);
    EXPECT_EQ(zipErrorOf([&] { zip.GetEntry(0); }), "Index range error");
    EXPECT_EQ(zipErrorOf([&] { zip.GetEntryComment(-1); }), "Index range error");
}

TEST_F(ZipArchiveTest, UnreadableDirectoryIsAReadErrorAndLeavesNoEntries)
{
    const std::size_t end = kTwoEntries.endRecordOffset();
    const std::size_t second = end - (46 + 10);  // the header of finish.tap
    const std::function<void(std::string&)> damages[] = {
        [&](std::string& b) { b[second] = 'X'; },                            // signature lost
        [&](std::string& b) { putLe(b, end + kEndDirSize, static_cast<std::uint32_t>(end + 1), 4); },
        [&](std::string& b) { putLe(b, second + kHeaderNameLength, 0xFFFF, 2); },  // past the file end
    };
    for (std::size_t i = 0; i < std::size(damages); ++i) {
        SCOPED_TRACE(i);
        zip.SetZipFileName(write("good.zip", kTwoEntries.bytes()));
        std::string bytes = kTwoEntries.bytes();
        damages[i](bytes);
        const std::string damaged = write("damaged.zip", bytes);

        EXPECT_EQ(zipErrorOf([&] { zip.SetZipFileName(damaged); }), "Error reading 'CentralFileHeader'!");
        EXPECT_EQ(zip.Count(), 0);
    }
    EXPECT_EQ(announcements, 3);  // for the good archives only
}

}  // namespace
}  // namespace tarnix::testing
