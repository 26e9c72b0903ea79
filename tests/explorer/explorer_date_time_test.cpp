// Dates in the list: written in the user's order, read back by the sort.

#include "common/errors.h"
#include "explorer/explorer_date_time.h"

#include <gtest/gtest.h>

namespace tarnix {
namespace {

const LocalDateTime kAfternoon{2024, 3, 7, 14, 5, 9};

TEST(ListDateFormat, LocalePatternsGiveOrderSeparatorAndClock)
{
    const ListDateFormat us = ListDateFormat::fromPatterns("M/d/yy", "h:mm:ss AP t");
    EXPECT_EQ(formatListDate(kAfternoon, us), "03/07/24 2:05:09 PM");
    const ListDateFormat german = ListDateFormat::fromPatterns("dd.MM.yy", "HH:mm:ss t");
    EXPECT_EQ(formatListDate(kAfternoon, german), "07.03.24 14:05:09");
    const ListDateFormat swedish = ListDateFormat::fromPatterns("yyyy-MM-dd", "HH:mm:ss t");
    EXPECT_EQ(formatListDate(kAfternoon, swedish), "2024-03-07 14:05:09");
}

TEST(ListDateFormat, MonthNamesBecomeNumbers)
{
    const ListDateFormat plain = ListDateFormat::fromPatterns("d MMM yyyy", "HH:mm:ss t");
    EXPECT_EQ(formatListDate(kAfternoon, plain), "07/03/2024 14:05:09");
}

TEST(ListDateFormat, MidnightHasNoTime)
{
    const ListDateFormat format = ListDateFormat::fromPatterns("dd/MM/yyyy", "HH:mm:ss");
    EXPECT_EQ(formatListDate({2024, 3, 7, 0, 0, 0}, format), "07/03/2024");
    EXPECT_EQ(formatListDate({2024, 3, 7, 0, 0, 1}, format), "07/03/2024 00:00:01");
}

TEST(ListDateReading, WrittenDatesReadBackInTheirOrder)
{
    for (const char* pattern : {"M/d/yy", "dd.MM.yyyy", "yyyy-MM-dd"}) {
        const ListDateFormat format = ListDateFormat::fromPatterns(pattern, "h:mm:ss AP");
        const LocalDateTime earlier{2024, 3, 7, 11, 59, 59};
        const LocalDateTime later{2024, 3, 7, 12, 0, 0};
        EXPECT_LT(readListDate(formatListDate(earlier, format), format),
                  readListDate(formatListDate(later, format), format))
            << pattern;
        EXPECT_LT(readListDate(formatListDate({2023, 12, 31, 23, 0, 0}, format), format),
                  readListDate(formatListDate({2024, 1, 1, 1, 0, 0}, format), format))
            << pattern;
    }
}

TEST(ListDateReading, ArchiveDatesReadWithTwoDigitYears)
{
    const ListDateFormat archive = ListDateFormat::archive();
    EXPECT_LT(readListDate("31/12/99 23:59", archive), readListDate("01/01/00 00:00", archive));
    EXPECT_EQ(readListDate("25/12/23 10:05", archive) + 60, readListDate("25/12/23 10:06", archive));
}

TEST(ListDateReading, ImpossibleDatesAreConversionErrors)
{
    const ListDateFormat archive = ListDateFormat::archive();
    EXPECT_THROW(readListDate("31/02/24 10:00", archive), ConversionError);
    EXPECT_THROW(readListDate("00/13/24 10:00", archive), ConversionError);
    EXPECT_THROW(readListDate("01/01/24 25:00", archive), ConversionError);
    EXPECT_THROW(readListDate("1/1/24 10:00 noon", archive), ConversionError);
    EXPECT_NO_THROW(readListDate("29/02/24 10:00", archive));
    try {
        readListDate("x", archive);
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'x' is not a valid date and time");
    }
}

TEST(ProgramTimeReading, BlankPaddedTimesRead)
{
    EXPECT_EQ(readTimeOfDay(" 1: 5: 3"), 3903);
    EXPECT_EQ(readTimeOfDay("23:59:59"), 86399);
}

TEST(ProgramTimeReading, TwentyFourHoursOrMoreIsAConversionError)
{
    EXPECT_THROW(readTimeOfDay("24: 0: 0"), ConversionError);
    EXPECT_THROW(readTimeOfDay("not calculated"), ConversionError);
}

}  // namespace
}  // namespace tarnix
