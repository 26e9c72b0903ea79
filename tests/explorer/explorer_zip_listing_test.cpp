// Listing an archive: which entries the masks let through and the texts of
// their cells.

#include "explorer/explorer_zip_listing.h"
#include "zip_test_fixture.h"

namespace tarnix::testing {
namespace {

class ZipListing : public ZipArchiveTest {
protected:
    std::vector<ZipListRow> list(const TestZipArchive& archive, const char* masksText)
    {
        zip.SetZipFileName(write("a.zip", archive.bytes()));
        TFileMasks masks;
        masks.parseExt(masksText);
        return zipListingRows(zip, masks);
    }
};

TEST_F(ZipListing, EntriesKeepTheirFoldersAndPassTheMasksInLowerCase)
{
    const TestZipArchive archive{.entries = {{.name = "dir/sub/name.nc"}, {.name = "A.NC"}, {.name = "readme.txt"}}};
    const auto rows = list(archive, "*.nc");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "dir/sub/name.nc");
    EXPECT_EQ(rows[1].name, "A.NC");
    EXPECT_EQ(rows[1].index, 1);
    EXPECT_TRUE(list(archive, "*.NC").empty());
}

}  // namespace
}  // namespace tarnix::testing
