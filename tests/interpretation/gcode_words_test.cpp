#include "common/number_text.h"
#include "interpretation/gcode_words.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using namespace tarnix;

namespace {

std::vector<std::string> words(std::string_view block)
{
    std::vector<std::string> result;
    GCodeWordScanner scanner(block);
    for (GCodeWord word; scanner.next(word);)
        result.push_back(std::string(1, word.letter) + "=" + std::string(word.text));
    return result;
}

using Words = std::vector<std::string>;

}  // namespace

TEST(WordScanner, LettersAndBlanksSeparateWords)
{
    EXPECT_EQ(words(" G1 X10 Y-5.5"), (Words{"G=1", "X=10", "Y=-5.5"}));
    EXPECT_EQ(words("G1X10Y5"), (Words{"G=1", "X=10", "Y=5"}));
    EXPECT_EQ(words("N10G01X1.5"), (Words{"N=10", "G=01", "X=1.5"}));
}

TEST(WordScanner, ABlockMustStartWithADelimiter)
{
    EXPECT_EQ(words("%"), Words{});
    EXPECT_EQ(words("O1000"), Words{});
    EXPECT_EQ(words("g1 x10"), Words{});
    EXPECT_EQ(words("10 X5"), Words{});
}

TEST(WordScanner, EmptyRunsBetweenDelimitersAreNoWords)
{
    EXPECT_EQ(words("G1 XA"), (Words{"G=1"}));
    EXPECT_EQ(words("XY5"), (Words{"Y=5"}));
}

TEST(WordScanner, OAndULowerCaseTabsAndParenthesesBelongToTheWord)
{
    EXPECT_EQ(words("X1O2"), (Words{"X=1O2"}));
    EXPECT_EQ(words("X1U2"), (Words{"X=1U2"}));
    EXPECT_EQ(words("X10y5"), (Words{"X=10y5"}));
    EXPECT_EQ(words("X10\t"), (Words{"X=10\t"}));
    EXPECT_EQ(words("X1)"), (Words{"X=1)"}));
}

TEST(WordScanner, SlashColonAndParenthesisAreLettersOfTheirWord)
{
    EXPECT_EQ(words("/5 :7 (9"), (Words{"/=5", ":=7", "(=9"}));
}

// The scan reads a word's number on its way to the word's end: the value
// must be the one a full conversion of the text gives, bit for bit; a text
// it cannot read exactly is left to that conversion.
TEST(WordScanner, ReadsPlainNumbersToTheBitOfAFullConversion)
{
    struct Case {
        std::string text;
        bool readByTheScan;
    };
    const std::vector<Case> cases = {
        {"0", true}, {"-0", true}, {"+0", true}, {"-0.000", true}, {"007", true}, {"10", true},
        {"-2.5", true}, {"+.5", true}, {"3.", true}, {".25", true}, {"-.001", true}, {"4.35", true},
        {"-25.4001", true}, {"0.1", true}, {"9007199254740992", true}, {"0.30000000000000004", false},  // past 2^53
        {"1234567890123456789", false},  // past 2^53
        {"12345678901234567891", false}, // 20 digits
        {"0.0000000000000000000001", false},
        {"000000000000000000000123.5", false},
    };
    for (const Case& c : cases) {
        const std::string block = " X" + c.text + "Y1";
        GCodeWordScanner scanner(block);
        GCodeWord word{};
        ASSERT_TRUE(scanner.next(word)) << c.text;
        ASSERT_EQ(word.text, c.text);
        EXPECT_EQ(word.value.has_value(), c.readByTheScan) << c.text;
        const double read = word.value ? *word.value : parseFloat(word.text);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read), std::bit_cast<std::uint64_t>(parseFloat(c.text))) << c.text;
        ASSERT_TRUE(scanner.next(word));
        EXPECT_EQ(word.value, 1.0);
    }
}

TEST(WordScanner, LeavesWhatIsNoPlainNumberToTheConversion)
{
    for (const char* text : {"1e5", "2e-2", "1.2.3", "-", "+", ".", "+-1", "10y", "5\t", "1)", "1O2"}) {
        const std::string block = std::string(" X") + text;
        GCodeWordScanner scanner(block);
        GCodeWord word{};
        ASSERT_TRUE(scanner.next(word)) << text;
        EXPECT_EQ(word.text, text);
        EXPECT_FALSE(word.value.has_value()) << text;
        EXPECT_FALSE(word.smallInteger) << text;
    }
}

// M and N words must be 32-bit integers; the scan vouches only for short ones.
TEST(WordScanner, TellsPlainIntegersOfAtMostNineDigits)
{
    const std::vector<std::pair<std::string, bool>> cases = {
        {"10", true}, {"-7", true}, {"+3", true}, {"0", true}, {"123456789", true},
        {"1234567890", false}, {"0000000001", false}, {"1.0", false}, {"5.", false}, {".5", false}};
    for (const auto& [text, small] : cases) {
        const std::string block = " N" + text;
        GCodeWordScanner scanner(block);
        GCodeWord word{};
        ASSERT_TRUE(scanner.next(word)) << text;
        EXPECT_EQ(word.smallInteger, small) << text;
    }
}
