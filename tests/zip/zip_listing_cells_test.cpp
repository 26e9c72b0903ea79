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

TEST(ZipListingCells, SizeIsSignedWithCommasBetweenThousands)
{
    EXPECT_EQ(sizeCell(999), "999");
    EXPECT_EQ(sizeCell(1000), "1,000");
    EXPECT_EQ(sizeCell(1234567), "1,234,567");
    EXPECT_EQ(sizeCell(0xFFFFFFFF), "-1");
    EXPECT_EQ(sizeCell(0xFFFFFC18), "-1,000");
    EXPECT_EQ(sizeCell(0x80000000), "-2,147,483,648");
}

}  // namespace
}  // namespace tarnix
