// The Explorer's click into an opened archive: the first click extracts it.

#include "zip_extraction_fixture.h"

#include "zip/zip_entry_click.h"
#include "zip/zip_exception.h"

namespace tarnix::testing {
namespace {

namespace fs = std::filesystem;

class ZipEntryClickTest : public ZipExtractionTest {
protected:
    std::string tempDir = (scratch / "new" / "tempcnc").string() + "/";
    bool zipExtracted = false;
};

TEST_F(ZipEntryClickTest, TheFirstClickExtractsAndEveryClickNamesTheBareFile)
{
    TestArchive(archive).add("sub/part.nc", "M30\n").add("top.nc", "%\n").close();
    zip.SetZipFileName(archive.string());

    EXPECT_EQ(ZipEntryClick(extractor, tempDir, zipExtracted, "sub/part.nc"), tempDir + "part.nc");

    EXPECT_TRUE(zipExtracted);
    EXPECT_EQ(readBytes(tempDir + "part.nc"), "M30\n");
    EXPECT_EQ(window.log.back(), "sleep 1000");

    fs::remove(tempDir + "top.nc");
    EXPECT_EQ(ZipEntryClick(extractor, tempDir, zipExtracted, "top.nc"), tempDir + "top.nc");
    EXPECT_FALSE(fs::exists(tempDir + "top.nc"));  // not extracted again
}

TEST_F(ZipEntryClickTest, AnArchiveWithoutEntriesRaisesAndStaysUnextracted)
{
    writeBytes(archive, std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    zip.SetZipFileName(archive.string());

    try {
        ZipEntryClick(extractor, tempDir, zipExtracted, "part.nc");
        ADD_FAILURE() << "no exception";
    } catch (const ZipException& error) {
        EXPECT_STREQ(error.what(), "Index range error");
    }
    EXPECT_FALSE(zipExtracted);
}

TEST_F(ZipEntryClickTest, AFolderThatCannotBeMadeIsReportedAndTheArchiveCountsAsExtracted)
{
    TestArchive(archive).add("part.nc", "M30\n").close();
    zip.SetZipFileName(archive.string());
    writeBytes(scratch / "file", "");
    tempDir = (scratch / "file" / "tempcnc").string() + "/";

    ZipEntryClick(extractor, tempDir, zipExtracted, "part.nc");

    EXPECT_EQ(window.lines("error:"), std::vector<std::string>{"error: Can't create temp directory " + tempDir});
    EXPECT_EQ(window.lines("information:").size(), 1u);  // the folder does not exist
    EXPECT_TRUE(zipExtracted);
}

}  // namespace
}  // namespace tarnix::testing
