#include "interpretation/reader_string_utils.h"

#include <gtest/gtest.h>

namespace tarnix {
namespace {

TEST(GetExtention, TextAfterTheLastDotAnywhereInThePath)
{
    EXPECT_EQ(GetExtention("/cnc/part.tap"), "tap");
    EXPECT_EQ(GetExtention("a.b.nc"), "nc");
    EXPECT_EQ(GetExtention("/cnc/part"), "/cnc/part");
    EXPECT_EQ(GetExtention("/a.b/part"), "b/part");
    EXPECT_EQ(GetExtention("part."), "");
}

TEST(UpCaseStr, ChangesAsciiLettersOnlyAndInPlace)
{
    std::string text = "g1x10é";
    EXPECT_EQ(&upCaseStr(text), &text);
    EXPECT_EQ(text, "G1X10é");
    std::string cyrillic = "Фреза z";
    EXPECT_EQ(upCaseStr(cyrillic), "Фреза Z");
}

TEST(DelSpaceInStr, DropsBlanksOnlyAsItsTwinDropsDoubleQuotes)
{
    EXPECT_EQ(DelSpaceInStr("  1 2  0 "), "120");
    EXPECT_EQ(DelSpaceInStr(""), "");
    EXPECT_EQ(DelSpaceInStr("\t1"), "\t1");
}

TEST(DelQuotesInStr, DropsDoubleQuotesOnlyAndLeavesItsArgumentAlone)
{
    const std::string quoted = "\"TOOL \"1\"\"";
    EXPECT_EQ(DelQuotesInStr(quoted), "TOOL 1");
    EXPECT_EQ(quoted, "\"TOOL \"1\"\"");
    EXPECT_EQ(DelQuotesInStr(""), "");
    EXPECT_EQ(DelQuotesInStr("\"\"\""), "");
    EXPECT_EQ(DelQuotesInStr("'a' \u00AB b \u00BB"), "'a' \u00AB b \u00BB");
}

}  // namespace
}  // namespace tarnix
