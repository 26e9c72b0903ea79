#include "common/errors.h"
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

using namespace tarnix;

TEST(ParseFloat, AcceptsSignDigitsPointAndExponentWithBlanksAround)
{
    EXPECT_DOUBLE_EQ(parseFloat("10"), 10.0);
    EXPECT_DOUBLE_EQ(parseFloat("-2.5"), -2.5);
    EXPECT_DOUBLE_EQ(parseFloat("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(parseFloat("3."), 3.0);
    EXPECT_DOUBLE_EQ(parseFloat("1.5E3"), 1500.0);
    EXPECT_DOUBLE_EQ(parseFloat("2e-2"), 0.02);
    EXPECT_DOUBLE_EQ(parseFloat("  7.25  "), 7.25);
}

TEST(ParseFloat, RejectsWhatIsNotADecimalNumber)
{
    for (const char* text : {"", " ", ".", "-", "1.2.3", "1,5", "A", "10y", "1e", "1e+",
                             "inf", "nan", "0x10", "\t5", "5\t", "1 2", "--1", "+-1"})
        EXPECT_FALSE(tryParseFloat(text).has_value()) << "'" << text << "'";
}

TEST(ParseFloat, ErrorNamesTheTextExactly)
{
    try {
        parseFloat("1.2.3");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'1.2.3' is not a valid floating point value");
    }
}

TEST(ParseFloat, OverflowIsAnErrorAndUnderflowIsZero)
{
    for (const char* huge : {"1e400", "1e4940", "0.001e99999999999999999999", "12345e308"})
        EXPECT_FALSE(tryParseFloat(huge).has_value()) << huge;
    // Below every floating type's range, or with an exponent of any length.
    for (const char* tiny : {"1e-400", "1e-4940", "1e-5000", "0.0001e-4937", "123e-330",
                             "9e-99999999999999999999", "00012.5e-999"})
        EXPECT_EQ(parseFloat(tiny), 0.0) << tiny;
    EXPECT_TRUE(std::signbit(parseFloat("-1e-400")));
    EXPECT_TRUE(std::signbit(parseFloat("-1e-4940")));
}

TEST(ParseFloat, ErrorCutsAPathologicalWordWithAnEllipsis)
{
    const std::string word = "1" + std::string(10'000'000, '2') + "x";
    try {
        parseFloat(word);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        const std::string message = error.what();
        EXPECT_LT(message.size(), 400u);
        EXPECT_EQ(message.substr(0, 7), "'122222");
        EXPECT_NE(message.find("...' is not a valid floating point value"), std::string::npos);
    }
    // A cut never splits a character.
    const std::string cyrillic = [] { std::string text; for (int i = 0; i < 400; ++i) text += "\xD0\xB6"; return text; }();
    const std::string message = invalidInteger(cyrillic).what();
    EXPECT_NE(message.find("\xB6...'"), std::string::npos);
}

// The value is the correctly rounded one, bit for bit what a full
// conversion gives, on both sides of the short-number shortcut: 19 and 20
// digits, mantissas around 2^53, powers of ten around 1e22, signed zeros.
TEST(ParseFloat, EveryValueIsTheCorrectlyRoundedOne)
{
    auto expectSameAsFullConversion = [](const std::string& text) {
        double expected = 0;
        const char* begin = text.data() + (text.front() == '+' ? 1 : 0);
        auto [end, ec] = std::from_chars(begin, text.data() + text.size(), expected);
        ASSERT_TRUE(ec == std::errc() && end == text.data() + text.size()) << text;
        const double parsed = parseFloat(text);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(parsed), std::bit_cast<std::uint64_t>(expected)) << text;
    };
    for (const char* text : {"0", "-0", "-0.000", "+0e5", "-0e-99999", "9007199254740992", "9007199254740993",
                             "9007199254740993e1", "1234567890123456789", "12345678901234567891",
                             "0.1", "0.30000000000000004", "1e22", "1e23", "123456789e-22", "1e-23",
                             "4.35", "-25.4001", "1.7976931348623157e308", "4.9e-324", "000000000000000000000123.5",
                             "0.000000000000000000000000001"})
        expectSameAsFullConversion(text);

    std::mt19937_64 random(20240613);
    char buffer[64];
    for (int i = 0; i < 200000; ++i) {
        const auto digits = random() % (std::uint64_t{1} << (random() % 64));
        const int point = static_cast<int>(random() % 22);
        std::string text = std::to_string(digits);
        if (point < static_cast<int>(text.size()))
            text.insert(text.size() - point, ".");
        if (random() % 4 == 0) {
            std::snprintf(buffer, sizeof buffer, "e%d", static_cast<int>(random() % 61) - 30);
            text += buffer;
        }
        if (random() % 2 == 0)
            text.insert(0, "-");
        expectSameAsFullConversion(text);
    }
}

TEST(ParseInt, ReadsSignedDecimalIntegersOnly)
{
    EXPECT_EQ(parseInt("42"), 42);
    EXPECT_EQ(parseInt(" -7 "), -7);
    EXPECT_EQ(parseInt("+3"), 3);
    EXPECT_EQ(parseInt("2147483647"), 2147483647);
    EXPECT_FALSE(tryParseInt("2147483648").has_value());
    EXPECT_FALSE(tryParseInt("1.0").has_value());
    EXPECT_FALSE(tryParseInt("").has_value());
    EXPECT_FALSE(tryParseInt("+-1").has_value());
}

TEST(ParseInt, ErrorNamesTheTextExactly)
{
    try {
        parseInt("2.5");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'2.5' is not a valid integer value");
    }
}

TEST(CommasToPoints, ReplacesEveryComma)
{
    EXPECT_EQ(commasToPoints("X1,5 Y2,25"), "X1.5 Y2.25");
}

TEST(ParseIntOrHex, ReadsDecimalOrDollarHexadecimalAsThe32BitPattern)
{
    EXPECT_EQ(parseIntOrHex("65408"), 65408);
    EXPECT_EQ(parseIntOrHex("-2147483633"), -2147483633);
    EXPECT_EQ(parseIntOrHex("$000ff"), 255);
    EXPECT_EQ(parseIntOrHex("$FF0000"), 16711680);
    EXPECT_EQ(parseIntOrHex("$ff0000"), 16711680);
    EXPECT_EQ(parseIntOrHex(" $10 "), 16);
    EXPECT_EQ(parseIntOrHex("$8000000F"), -2147483633);
    EXPECT_EQ(parseIntOrHex("$FFFFFFFF"), -1);
}

TEST(ParseIntOrHex, RejectsOtherFormsWithTheIntegerError)
{
    for (const char* text : {"", "$", "$-1", "$+1", "-$1", "$1G", "$100000000", "0x10", "$ 1"})
        EXPECT_FALSE(tryParseIntOrHex(text).has_value()) << "'" << text << "'";
    try {
        parseIntOrHex("$G");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'$G' is not a valid integer value");
    }
}
