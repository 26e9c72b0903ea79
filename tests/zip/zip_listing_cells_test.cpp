// The Date and Size cells of an archive listing.

#include "zip/zip_listing_cells.h"

#include <gtest/gtest.h>

namespace tarnix {
namespace {

std::string dateCell(unsigned year, unsigned month, unsigned day, unsigned hour, unsigned minute, unsigned second)
{
    TFileInfo entry;
    entry.Header.LastModDate = static_cast<std::uint16_t>((year - 1980) << 9 | month << 5 | day);
    entry.Header.LastModTime = static_cast<std::uint16_t>(hour << 11 | minute << 5 | second / 2);
    return zipListingDate(entry);
}

std::string sizeCell(std::uint32_t uncompressedSize)
{
    TFileInfo entry;
    entry.Header.UncompressedSize = uncompressedSize;
    return zipListingSize(entry);
}

TEST(ZipListingCells, DateShowsDayMonthTwoDigitYearHourAndMinute)
{
    EXPECT_EQ(dateCell(2006, 12, 31, 23, 59, 58), "31/12/06 23:59");
    EXPECT_EQ(dateCell(1999, 1, 2, 3, 4, 0), "02/01/99 03:04");
}

// Archivers write zeros when they know no date; damaged archives anything.
TEST(ZipListingCells, ImpossibleDateStillGivesItsStoredFields)
{
    EXPECT_EQ(dateCell(1980, 0, 0, 0, 0, 0), "00/00/80 00:00");
    EXPECT_EQ(dateCell(2107, 2, 31, 31, 63, 62), "31/02/07 31:63");
}

TEST(ZipListingCells, SizeIsTheWholeSizeWithCommasBetweenThousands)
{
    EXPECT_EQ(sizeCell(999), "999");
    EXPECT_EQ(sizeCell(1000), "1,000");
    EXPECT_EQ(sizeCell(1234567), "1,234,567");
    EXPECT_EQ(sizeCell(0x80000000), "2,147,483,648");
    EXPECT_EQ(sizeCell(0xFFFFFC18), "4,294,966,296");
    // All ones without a 64-bit record: taken as it stands.
    EXPECT_EQ(sizeCell(0xFFFFFFFF), "4,294,967,295");
}

// The zip64 extra field (tag 1) holds the 64-bit sizes whose 32-bit fields
// are all ones: the uncompressed size first, then the compressed size.
std::string zip64Extra(std::initializer_list<std::uint64_t> sizes, std::uint16_t tag = 1)
{
    std::string field;
    auto put = [&field](std::uint64_t value, int width) {
        for (int i = 0; i < width; ++i)
            field += static_cast<char>(value >> 8 * i);
    };
    put(0x5455, 2);  // an extended time stamp before it
    put(5, 2);
    put(0, 5);
    put(tag, 2);
    put(8 * sizes.size(), 2);
    for (std::uint64_t size : sizes)
        put(size, 8);
    return field;
}

TEST(ZipListingCells, Zip64EntryShowsTheSizeOfItsExtraField)
{
    const struct {
        std::uint32_t uncompressed, compressed;
        std::string extra;
        const char* cell;
    } cases[] = {
        {0xFFFFFFFF, 100, zip64Extra({8589934592}), "8,589,934,592"},
        {0xFFFFFFFF, 0xFFFFFFFF, zip64Extra({5000000000, 12}), "5,000,000,000"},
        // The field holds only the sizes whose 32-bit fields are all ones.
        {7, 0xFFFFFFFF, zip64Extra({8589934592}), "7"},
        // Another tag, or a record too short to hold the size.
        {0xFFFFFFFF, 100, zip64Extra({8589934592}, 0x000A), "4,294,967,295"},
        {0xFFFFFFFF, 100, zip64Extra({8589934592}).substr(0, 18), "4,294,967,295"},
    };
    for (const auto& c : cases) {
        TFileInfo entry;
        entry.Header.UncompressedSize = c.uncompressed;
        entry.Header.CompressedSize = c.compressed;
        entry.ExtraField = c.extra;
        EXPECT_EQ(zipListingSize(entry), c.cell) << c.cell;
    }
}

}  // namespace
}  // namespace tarnix
