// Extraction as the zip component runs it: where the files go, the progress
// dialog, the cases that start nothing, a missing library, a second
// extraction asked for while one runs.

#include "zip_extraction_fixture.h"
#include "zip_test_archive.h"

#include "zip/zip_exception.h"

#include <utility>

namespace tarnix::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(ZipExtractionTest, TheWholeArchiveLandsFlatInTheFolderWhichStaysCurrent)
{
    TestArchive(archive).folder("dir").add("dir/sub/part.nc", "M30\n").add("top.nc", "%\n").close();

    EXPECT_EQ(extract(), 2);

    EXPECT_EQ(readFile(out / "part.nc"), "M30\n");
    EXPECT_EQ(readFile(out / "top.nc"), "%\n");
    EXPECT_FALSE(fs::exists(out / "dir"));
    EXPECT_EQ(fs::current_path(), out);
}

TEST_F(ZipExtractionTest, WithoutAFolderTheArchiveIsExtractedBesideItself)
{
    TestArchive(archive).add("part.nc", "M30\n").close();
    zip.SetZipFileName(archive.string());

    EXPECT_EQ(extractor.Extract(), 1);

    EXPECT_EQ(readFile(scratch / "part.nc"), "M30\n");
}

TEST_F(ZipExtractionTest, TheProgressDialogShowsEachFileAndCountsBytes)
{
    TestArchive(archive).add("a.nc", "G0 X1\n").add("b.nc", "M30\n").close();

    extract();

    EXPECT_EQ(window.log, (std::vector<std::string>{"dialog created", "show", "max 10", "file a.nc", "position 6",
                                                   "file b.nc", "position 10", "hide", "dialog freed"}));
    EXPECT_EQ(extractor.ProgressForm(), nullptr);
}

TEST_F(ZipExtractionTest, AnArchiveWithoutEntriesStartsNothing)
{
    writeFile(archive, std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    extractor.Cancelled = true;

    EXPECT_EQ(extract(), 0);

    EXPECT_FALSE(extractor.Cancelled);
    EXPECT_TRUE(window.log.empty());
}

TEST_F(ZipExtractionTest, ASpannedArchiveIsRefusedWithAMessage)
{
    TestArchive(archive).add("part.nc", "M30\n").close();
    std::string bytes = readFile(archive);
    bytes[bytes.size() - 22 + 4] = 1;  // number of this disk
    bytes[bytes.size() - 22 + 6] = 1;  // disk where the directory starts
    writeFile(archive, bytes);

    EXPECT_EQ(extract(), 0);

    EXPECT_EQ(window.log, std::vector<std::string>{
                              "information: Cannot Add, Delete or Extract from a multiple disk Zip file...\n"
                              "Merge this Zip file onto the hard disk before retrying."});
    EXPECT_TRUE(fs::is_empty(out));
}

TEST_F(ZipExtractionTest, AMissingFolderIsReportedAndNothingExtracted)
{
    TestArchive(archive).add("part.nc", "M30\n").close();
    zip.SetZipFileName(archive.string());
    extractor.ExtrBaseDir = (scratch / "gone").string();

    EXPECT_EQ(extractor.Extract(), 0);

    EXPECT_EQ(window.log, std::vector<std::string>{"information: Unable to extract files to:\n\"" +
                                                   (scratch / "gone").string() + "\"\nThis folder does not exist."});
}

TEST_F(ZipExtractionTest, AnArchiveLargerThanTheFreeSpaceIsReportedAndNothingWritten)
{
    TestArchive(archive).add("a.nc", std::string(700, 'G')).folder("dir").add("dir/b.nc", std::string(1000, 'G')).close();
    std::string queried;
    extractor.FreeSpace = [&](const std::string& folder) {
        queried = folder;
        return std::optional<std::uintmax_t>(1699);
    };

    EXPECT_EQ(extract(), 0);

    EXPECT_EQ(queried, out.string() + "/");
    EXPECT_EQ(window.log, std::vector<std::string>{"error: Not enough free space to extract\n\"" + archive.string() +
                                                   "\"\ninto \"" + out.string() +
                                                   "/\":\n1,700 bytes are needed, 1,699 bytes are free."});
    EXPECT_TRUE(fs::is_empty(out));

    // Exactly enough, or a volume that cannot be asked: the extraction runs.
    for (const std::optional<std::uintmax_t> free : {std::optional<std::uintmax_t>(1700), std::optional<std::uintmax_t>()}) {
        extractor.FreeSpace = [free](const std::string&) { return free; };
        window.log.clear();
        fs::remove_all(out);
        fs::create_directory(out);
        EXPECT_EQ(extract(), 2);
        EXPECT_TRUE(window.lines("error:").empty());
    }
}

TEST_F(ZipExtractionTest, TheFreeSpaceCheckCountsTheSizesOfZip64Entries)
{
    // Entries declaring sizes in their zip64 records; their 32-bit fields are all ones.
    auto zip64Entry = [](const char* name, std::uint32_t highWord) {
        std::string extra;
        appendLe(extra, 1, 2);
        appendLe(extra, 8, 2);
        appendLe(extra, 0, 4);
        appendLe(extra, highWord, 4);
        return TestZipEntry{.name = name, .extra = extra, .size = 0xFFFFFFFF};
    };
    extractor.FreeSpace = [](const std::string&) { return std::optional<std::uintmax_t>(std::uintmax_t{5} << 30); };
    const struct {
        std::vector<TestZipEntry> entries;
        const char* needed;
    } cases[] = {
        {{zip64Entry("big.nc", 2)}, "8,589,934,592"},
        // 2^63 twice would wrap round to nothing.
        {{zip64Entry("a.nc", 0x80000000), zip64Entry("b.nc", 0x80000000)}, "18,446,744,073,709,551,615"},
    };
    for (const auto& c : cases) {
        window.log.clear();
        writeFile(archive, TestZipArchive{.entries = c.entries}.bytes());

        EXPECT_EQ(extract(), 0);

        EXPECT_EQ(window.log, std::vector<std::string>{"error: Not enough free space to extract\n\"" + archive.string() +
                                                       "\"\ninto \"" + out.string() + "/\":\n" + c.needed +
                                                       " bytes are needed, 5,368,709,120 bytes are free."});
    }
}

TEST_F(ZipExtractionTest, ALibraryThatIsMissingOrIncompleteCannotBeLoaded)
{
    TestArchive(archive).add("part.nc", "M30\n").close();
    zip.SetZipFileName(archive.string());
    for (const std::string& folder : {scratch.path().string(), std::string(TARNIX_INCOMPLETE_UNZDLL_FOLDER)}) {
        ZipExtractor without(zip, window, folder);
        without.ExtrBaseDir = out.string();
        try {
            without.Extract();
            ADD_FAILURE() << "extracted with the library from " << folder;
        } catch (const ZipException& error) {
            EXPECT_STREQ(error.what(), "Unable to load \"UnzfDll.dll\".");
        }
    }
    EXPECT_TRUE(window.log.empty());
    EXPECT_TRUE(fs::is_empty(out));
}

TEST_F(ZipExtractionTest, FileSpecsChooseTheEntriesAndAreUsedOnce)
{
    TestArchive(archive).add("a.nc", "1").add("b.tap", "2").close();
    extractor.FileSpecs = {"*.tap"};

    EXPECT_EQ(extract(), 1);
    EXPECT_TRUE(extractor.FileSpecs.empty());
    EXPECT_EQ(readFile(out / "b.tap"), "2");
    EXPECT_FALSE(fs::exists(out / "a.nc"));
}

TEST_F(ZipExtractionTest, AnExtractionAskedForWhileOneRunsIsRefused)
{
    TestArchive(archive).add("a.nc", "1").add("b.nc", "2").close();
    bool asked = false;
    int nestedResult = -1;
    window.onMessages = [&] {
        if (!std::exchange(asked, true))
            nestedResult = extractor.Extract();
    };

    EXPECT_EQ(extract(), 2);

    EXPECT_EQ(nestedResult, 0);
    EXPECT_EQ(window.lines("dialog created").size(), 1u);
}

TEST_F(ZipExtractionTest, WhatAnEventThrowsStopsTheLibraryAndIsRaisedAfterIt)
{
    TestArchive(archive).add("a.nc", "1").add("b.nc", "2").close();
    extractor.OnZEDBeginFileEvent = [](ZipExtractor&, const std::string&, int, int, int) {
        throw std::runtime_error("handler failed");
    };

    EXPECT_THROW(extract(), std::runtime_error);

    EXPECT_TRUE(fs::is_empty(out));
    EXPECT_EQ(window.log.back(), "dialog freed");
}

}  // namespace
}  // namespace tarnix::testing
