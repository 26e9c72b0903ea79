// The Explorer's click into an opened archive: the first click extracts it.

#include "zip_extraction_fixture.h"

#include "path/program_location.h"
#include "zip/zip_entry_click.h"
#include "zip/zip_exception.h"

#include <sys/resource.h>

#include <csignal>

namespace tarnix::testing {
namespace {

namespace fs = std::filesystem;

class ZipEntryClickTest : public ZipExtractionTest {
protected:
    std::string tempDir = (scratch / "new" / "tempcnc").string() + "/";
    bool zipExtracted = false;
};

TEST_F(ZipEntryClickTest, TheFirstClickExtractsAndEveryClickNamesTheEntrysFile)
{
    TestArchive(archive).add("sub/part.nc", "M30\n").add("top.nc", "%\n").close();
    zip.SetZipFileName(archive.string());

    EXPECT_EQ(ZipEntryClick(extractor, tempDir, zipExtracted, "sub/part.nc"), tempDir + "sub/part.nc");

    EXPECT_TRUE(zipExtracted);
    EXPECT_EQ(readFile(tempDir + "sub/part.nc"), "M30\n");
    EXPECT_EQ(window.log.back(), "sleep 1000");

    fs::remove(tempDir + "top.nc");
    EXPECT_EQ(ZipEntryClick(extractor, tempDir, zipExtracted, "top.nc"), tempDir + "top.nc");
    EXPECT_FALSE(fs::exists(tempDir + "top.nc"));  // not extracted again
}

TEST_F(ZipEntryClickTest, EveryEntryIsFoundWhereTheProgramPathRuleLooks)
{
    // Windows archivers separate folders with either character.
    for (const std::string name : {"dir\\part.nc", "a/b\\c.nc", "x\\y/z.nc", "plain.nc"}) {
        SCOPED_TRACE(name);
        TestArchive(archive).add(name, name).close();
        zip.SetZipFileName(archive.string());
        zipExtracted = false;

        const std::string path = ZipEntryClick(extractor, tempDir, zipExtracted, name);

        EXPECT_EQ(readFile(path), name);
        const ProgramLocation location{.FCurrentFolder = "/elsewhere/", .FSelectedFile = name,
                                       .FZipExtracted = true, .extractionFolder = tempDir};
        EXPECT_EQ(location.programPath(), path);
    }
}

TEST_F(ZipEntryClickTest, EntriesOfOneNameInTwoFoldersAreEachTheirOwnFile)
{
    TestArchive(archive).add("a/x.nc", "(A VERSION)").add("b/x.nc", "(B VERSION)").add("b\\y.nc", "(B Y)").close();
    zip.SetZipFileName(archive.string());

    EXPECT_EQ(readFile(ZipEntryClick(extractor, tempDir, zipExtracted, "b/x.nc")), "(B VERSION)");
    EXPECT_EQ(readFile(ZipEntryClick(extractor, tempDir, zipExtracted, "a/x.nc")), "(A VERSION)");
    EXPECT_EQ(readFile(ZipEntryClick(extractor, tempDir, zipExtracted, "b\\y.nc")), "(B Y)");
}

// Files of this process may grow to `bytes` at most while it lives: a write
// beyond fails as on a full disk, also for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

TEST_F(ZipEntryClickTest, AFileThatCannotBeWrittenIsReportedAndTheNextClickTriesAgain)
{
    TestArchive(archive).add("part.nc", "M30\n").add("top.nc", "%\n").add("end.nc", "M30\n").close();
    zip.SetZipFileName(archive.string());

    std::string path;
    {
        const FileSizeLimit limit(2);
        path = ZipEntryClick(extractor, tempDir, zipExtracted, "part.nc");
    }

    EXPECT_FALSE(zipExtracted);
    EXPECT_EQ(window.lines("error:"), std::vector<std::string>{"error: Cannot extract \"part.nc\" and 1 more file from\n\"" +
                                                               archive.string() + "\"\ninto \"" + tempDir +
                                                               "\":\nFile too large"});
    window.log.clear();

    EXPECT_EQ(ZipEntryClick(extractor, tempDir, zipExtracted, "part.nc"), path);
    EXPECT_TRUE(zipExtracted);
    EXPECT_EQ(readFile(path), "M30\n");
    EXPECT_TRUE(window.lines("error:").empty());
}

TEST_F(ZipEntryClickTest, AnExtractionRefusedForWantOfSpaceIsTriedAgainOnTheNextClick)
{
    TestArchive(archive).add("part.nc", "M30\n").close();
    zip.SetZipFileName(archive.string());
    extractor.FreeSpace = [](const std::string&) { return std::optional<std::uintmax_t>(0); };

    const std::string path = ZipEntryClick(extractor, tempDir, zipExtracted, "part.nc");

    EXPECT_FALSE(zipExtracted);
    EXPECT_EQ(window.lines("error: Not enough free space").size(), 1u);
    extractor.FreeSpace = [](const std::string&) { return std::optional<std::uintmax_t>(); };
    ZipEntryClick(extractor, tempDir, zipExtracted, "part.nc");
    EXPECT_TRUE(zipExtracted);
    EXPECT_EQ(readFile(path), "M30\n");
}

TEST_F(ZipEntryClickTest, AFileAnEarlierArchiveLeftWhereAFolderGoesGivesWay)
{
    const fs::path first = scratch / "first.zip";
    TestArchive(first).add("sub", "a file named like a folder").close();
    zip.SetZipFileName(first.string());
    ZipEntryClick(extractor, tempDir, zipExtracted, "sub");
    TestArchive(archive).add("sub/part.nc", "M30\n").close();
    zip.SetZipFileName(archive.string());
    zipExtracted = false;

    EXPECT_EQ(readFile(ZipEntryClick(extractor, tempDir, zipExtracted, "sub/part.nc")), "M30\n");
    EXPECT_TRUE(zipExtracted);
}

TEST_F(ZipEntryClickTest, AnotherArchiveNeverShowsTheFilesOfTheFirst)
{
    const fs::path second = scratch / "second.zip";
    // The first archive's files are newer, so the library would keep them.
    TestArchive(archive).add("part.nc", "first").modified(1600000000).add("gone.nc", "first").close();
    TestArchive(second).add("part.nc", "second").modified(1500000000).add("gone.nc", "damaged data").stored().close();
    damage(second, "damaged data");
    zip.SetZipFileName(archive.string());
    ZipEntryClick(extractor, tempDir, zipExtracted, "part.nc");

    zip.SetZipFileName(second.string());
    zipExtracted = false;
    window.damaged = ZipDamagedAnswer::No;

    EXPECT_EQ(readFile(ZipEntryClick(extractor, tempDir, zipExtracted, "part.nc")), "second");
    EXPECT_FALSE(fs::exists(tempDir + "gone.nc"));  // skipped: nothing of the first archive shows instead
}

TEST_F(ZipEntryClickTest, AnArchiveOpenedFromTheExtractionFolderIsExtractedFromThere)
{
    // It names itself among its entries: the file being read must stay.
    TestArchive(scratch / "inner.zip").add("part.nc", "inner").add("inner.zip", "a copy").close();
    TestArchive(archive).add("inner.zip", readFile(scratch / "inner.zip")).add("part.nc", "outer").close();
    zip.SetZipFileName(archive.string());
    ZipEntryClick(extractor, tempDir, zipExtracted, "inner.zip");

    zip.SetZipFileName(tempDir + "inner.zip");
    zipExtracted = false;

    EXPECT_EQ(readFile(ZipEntryClick(extractor, tempDir, zipExtracted, "part.nc")), "inner");
}

TEST_F(ZipEntryClickTest, ALinkedFolderIsReplacedAndWhatItPointsToStaysUntouched)
{
    const fs::path users = scratch / "users";
    fs::create_directories(users);
    writeFile(users / "same.nc", "the user's program");
    fs::create_directories(fs::path(tempDir).parent_path().parent_path());
    fs::create_directory_symlink(users, fs::path(tempDir).parent_path());
    TestArchive(archive).add("same.nc", "the archive's program").modified(2000000000).close();
    zip.SetZipFileName(archive.string());

    const std::string path = ZipEntryClick(extractor, tempDir, zipExtracted, "same.nc");

    EXPECT_EQ(readFile(users / "same.nc"), "the user's program");
    EXPECT_EQ(std::distance(fs::directory_iterator(users), fs::directory_iterator()), 1);  // nothing added
    EXPECT_EQ(fs::symlink_status(fs::path(tempDir).parent_path()).type(), fs::file_type::directory);
    EXPECT_EQ(readFile(path), "the archive's program");
}

TEST_F(ZipEntryClickTest, AnArchiveWithoutEntriesRaisesAndStaysUnextracted)
{
    writeFile(archive, std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    zip.SetZipFileName(archive.string());

    try {
        ZipEntryClick(extractor, tempDir, zipExtracted, "part.nc");
        ADD_FAILURE() << "no exception";
    } catch (const ZipException& error) {
        EXPECT_STREQ(error.what(), "Index range error");
    }
    EXPECT_FALSE(zipExtracted);
}

TEST_F(ZipEntryClickTest, AFolderThatCannotBeMadeIsReportedAndTheNextClickTriesAgain)
{
    TestArchive(archive).add("part.nc", "M30\n").close();
    zip.SetZipFileName(archive.string());
    writeFile(scratch / "file", "");
    tempDir = (scratch / "file" / "tempcnc").string() + "/";

    ZipEntryClick(extractor, tempDir, zipExtracted, "part.nc");

    EXPECT_EQ(window.lines("error:"), std::vector<std::string>{"error: Can't create temp directory " + tempDir});
    EXPECT_EQ(window.lines("information:").size(), 1u);  // the folder does not exist
    EXPECT_FALSE(zipExtracted);
}

}  // namespace
}  // namespace tarnix::testing
