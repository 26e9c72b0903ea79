// An archive written by a real archiver (libzip) reads as it was written:
// local headers, compressed data, a folder entry, comments and a DOS date.

#include "zip/zip_listing_cells.h"
#include "zip_test_fixture.h"

#include <zip.h>

namespace tarnix::testing {
namespace {

TEST_F(ZipArchiveTest, ArchiveWrittenByLibzipListsAsWritten)
{
    const std::string program = "%\n" + std::string(3000, ';') + "\nM30\n";
    int error = 0;
    zip_t* archive = zip_open(path("lib.zip").c_str(), ZIP_CREATE | ZIP_EXCL, &error);
    ASSERT_NE(archive, nullptr);
    ASSERT_GE(zip_dir_add(archive, "dir", 0), 0);
    const zip_int64_t index =
        zip_file_add(archive, "dir/sub/name.nc", zip_source_buffer(archive, program.data(), program.size(), 0), 0);
    ASSERT_EQ(zip_file_set_comment(archive, index, "finishing", 9, 0), 0);
    ASSERT_EQ(zip_file_set_dostime(archive, index, 0xBF7D, 0x359F, 0), 0);  // 31/12/2006 23:59:58
    ASSERT_EQ(zip_set_archive_comment(archive, "job 42", 6), 0);
    ASSERT_EQ(zip_close(archive), 0);

    zip.SetZipFileName(path("lib.zip"));

    ASSERT_EQ(zip.Count(), 2);
    EXPECT_EQ(zip.GetEntry(0).FileName, "dir/");
    const TFileInfo entry = zip.GetEntry(1);
    EXPECT_EQ(entry.FileName, "dir/sub/name.nc");
    EXPECT_EQ(entry.FileComment, "finishing");
    EXPECT_LT(entry.Header.CompressedSize, program.size());
    EXPECT_EQ(zipListingSize(entry), "3,007");
    EXPECT_EQ(zipListingDate(entry), "31/12/06 23:59");
    EXPECT_EQ(zip.EndOfDir().ZipComment, "job 42");
}

}  // namespace
}  // namespace tarnix::testing
