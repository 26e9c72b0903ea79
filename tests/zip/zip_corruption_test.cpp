// Damaged copies of archives built here. The reader reads untrusted files:
// every copy must be listed or refused with a TarnixError, never crash,
// hang or fail in any other way.

#include "zip/zip_listing_cells.h"
#include "zip_test_fixture.h"

#include <random>

namespace tarnix::testing {
namespace {

const TestZipArchive kOriginals[] = {
    {.entries = {{.name = "\x84\x85\x92\x80\x8B\x9C.nc", .extra = std::string("UT\x05\x00\x01\x00\x00\x00\x00", 9),
                  .comment = "rough", .hostSystem = 0, .dosTime = 0xBF7D, .dosDate = 0x359F, .size = 6},
                 {.name = "finish.tap", .flags = 1, .size = 9}},
     .comment = "set"},
    {.entries = {{.name = "dir/"}, {.name = "dir/sub/name.nc", .size = 3}, {.name = "b.nc"}}},
    {.comment = "nothing inside"},
};

std::string damaged(const std::string& original, std::mt19937& random)
{
    std::string bytes = "MZ" + std::string(14, '\x90') + original;  // something in front, as usual
    auto at = [&](std::size_t width) { return random() % (bytes.size() - width + 1); };
    const std::uint32_t extremes[] = {0, 1, 0x7FFF, 0x8000, 0xFFFF, 1024000, 1024001, 0x7FFFFFFF, 0xFFFFFFFF};
    switch (random() % 4) {
    case 0:  // a few flipped bits
        for (unsigned n = 1 + random() % 4; n > 0; --n)
            bytes[at(1)] ^= static_cast<char>(1u << random() % 8);
        break;
    case 1:  // a few random bytes
        for (unsigned n = 1 + random() % 4; n > 0; --n)
            bytes[at(1)] = static_cast<char>(random());
        break;
    case 2: {  // an extreme count, length, size or offset
        const int width = random() % 2 ? 2 : 4;
        putLe(bytes, at(static_cast<std::size_t>(width)), extremes[random() % std::size(extremes)], width);
        break;
    }
    default:  // cut short
        bytes.resize(random() % bytes.size());
    }
    return bytes;
}

TEST_F(ZipArchiveTest, DamagedArchivesAreListedOrRefusedWithATarnixError)
{
    std::mt19937 random(1904);  // fixed, so every run tries the same copies
    int listed = 0;
    int refused = 0;
    for (int variant = 0; variant < 3000; ++variant) {
        const std::string original = kOriginals[random() % std::size(kOriginals)].bytes();
        const std::string file = write("damaged.zip", damaged(original, random));
        try {
            zip.SetZipFileName(file);
            for (int i = 0; i < zip.Count(); ++i) {
                EXPECT_FALSE(zipListingDate(zip.GetEntry(i)).empty());
                EXPECT_FALSE(zipListingSize(zip.GetEntry(i)).empty());
            }
            ++listed;
        } catch (const TarnixError&) {
            ++refused;
        } catch (const std::exception& error) {
            ADD_FAILURE() << "variant " << variant << ": " << error.what();
        }
    }
    // Both outcomes are common, so the damage does reach what the reader checks.
    EXPECT_GT(listed, 300);
    EXPECT_GT(refused, 300);
}

}  // namespace
}  // namespace tarnix::testing
