#include "common/number_format.h"
#include "common/time_length_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <utility>

using namespace tarnix;

TEST(FormatGeneral, ShortestTextOfUpTo15DigitsExponentOnlyForTinyOrHugeValues)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> cases[] = {
        {100, "100"}, {0.5, "0.5"}, {-2, "-2"}, {0, "0"}, {-0.0, "0"}, {0.1 + 0.2, "0.3"}, {10.5, "10.5"},
        {123456789012345.0, "123456789012345"}, {1.0 / 3.0, "0.333333333333333"}, {0.00001, "0.00001"},
        {0.000001, "1E-6"}, {-0.0000015, "-1.5E-6"}, {999999999999999.0, "999999999999999"}, {1e15, "1E15"},
        {2.5e20, "2.5E20"}, {inf, "INF"}, {-inf, "-INF"}, {std::numeric_limits<double>::quiet_NaN(), "NAN"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatGeneral(value), text) << value;
}

TEST(FormatGeneral, IgnoresTheProcessLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        std::setlocale(LC_NUMERIC, "ru_RU.UTF-8");
    EXPECT_EQ(formatGeneral(1.25), "1.25");
    EXPECT_EQ(formatFixed(1.25, 1), "1.2");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FormatFixed, RoundsToTheGivenDecimals)
{
    EXPECT_EQ(formatFixed(12.3456, 3), "12.346");
    EXPECT_EQ(formatFixed(1000, 1), "1000.0");
    EXPECT_EQ(formatFixed(-0.00001, 1), "0.0");
    EXPECT_EQ(formatFixed(-1.25, 1), "-1.2");
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(2.51), 3.0);
    EXPECT_EQ(roundHalfEvenToInt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(roundHalfEvenToInt(1e30), std::numeric_limits<std::int64_t>::max());
}

TEST(TimeText, HoursMinutesSecondsBlankPadded)
{
    EXPECT_EQ(formatTimeText(3725.4), " 1: 2: 5");
    EXPECT_EQ(formatTimeText(0), " 0: 0: 0");
    EXPECT_EQ(formatTimeText(59.5), " 0: 1: 0");
    EXPECT_EQ(formatTimeText(0.5), " 0: 0: 0");
    EXPECT_EQ(formatTimeText(1.5), " 0: 0: 2");
    EXPECT_EQ(formatTimeText(100 * 3600.0 + 61), "100: 1: 1");
}

TEST(LengthText, MetresWithThreeDecimals)
{
    EXPECT_EQ(formatLengthText(12345.6789), "12.346");
    EXPECT_EQ(formatLengthText(0), "0.000");
    EXPECT_EQ(formatLengthText(1234567890.0), "1234567.890");
}
