#include "common/text_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarnix;

TEST(ProgramText, ValidUtf8IsKept)
{
    EXPECT_EQ(decodeProgramText("Фреза D6"), "Фреза D6");
    EXPECT_EQ(decodeProgramText("G1 X10"), "G1 X10");
}

TEST(ProgramText, OtherBytesAreReadAsWindows1251)
{
    // "Фреза" in Windows-1251.
    EXPECT_EQ(decodeProgramText("\xD4\xF0\xE5\xE7\xE0"), "Фреза");
    EXPECT_EQ(encodeWindows1251("Фреза"), "\xD4\xF0\xE5\xE7\xE0");
}

TEST(ProgramText, Utf8ValidationRejectsOverlongAndTruncatedSequences)
{
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(isValidUtf8("\xD0"));
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));
}

TEST(OemNames, Cp866IsDecoded)
{
    // "Фреза" in code page 866.
    EXPECT_EQ(decodeCp866("\x94\xE0\xA5\xA7\xA0"), "Фреза");
}

TEST(OemNames, UnrepresentableCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(encodeWindows1251("a\xE2\x82\xAC" "b"), "a\x88" "b");  // the euro sign exists in 1251
    EXPECT_EQ(encodeWindows1251("a\xE4\xB8\xAD" "b"), "a?b");
}

TEST(ExactWindows1251, EveryByteComesBackUnchanged)
{
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += static_cast<char>(byte);
    const std::string text = decodeWindows1251Exactly(bytes);
    EXPECT_TRUE(isValidUtf8(text));
    std::vector<std::size_t> replaced;
    EXPECT_EQ(encodeWindows1251(text, &replaced), bytes);
    EXPECT_TRUE(replaced.empty());
}

TEST(ExactWindows1251, UndefinedBytesReadAsCharactersOfTheirOwn)
{
    // 0x98 is the one byte Windows-1251 leaves undefined.
    EXPECT_EQ(decodeWindows1251Exactly("a\x98\xD4"), "a\uF098\u0424");
    // Only undefined bytes have such stand-ins: typed, a character of that
    // range is one the code page cannot hold.
    EXPECT_EQ(encodeWindows1251("\uF041"), "?");
}

TEST(ExactWindows1251, OffsetsOfReplacedCharactersAreReported)
{
    std::vector<std::size_t> replaced;
    EXPECT_EQ(encodeWindows1251("a\xE4\xB8\xAD" "b\u20AC\U0001F600", &replaced), "a?b\x88?");
    EXPECT_EQ(replaced, (std::vector<std::size_t>{1, 8}));
}
