#include "interpretation/gcode_words.h"

#include <gtest/gtest.h>

#include <string>
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
