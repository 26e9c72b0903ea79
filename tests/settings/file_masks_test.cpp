#include "settings/file_masks.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarnix;

namespace {

std::vector<std::string> masksOf(const TFileMasks& masks)
{
    return {masks.gExtMasks.begin() + 1, masks.gExtMasks.begin() + 1 + masks.gExtCount};
}

}  // namespace

TEST(FileMasks, DefaultMasksGiveSixFilterEntriesAllFilesFirst)
{
    TFileMasks masks;
    masks.parseExt("*.nc;*.tap;*.rol;*.prg;*.zip");
    EXPECT_EQ(masks.maskFilter(),
              "All files|*.*|*.nc|*.nc|*.tap|*.tap|*.rol|*.rol|*.prg|*.prg|*.zip|*.zip");
}

TEST(FileMasks, ProgramFileFilterLeavesOutExactlyTheZipMask)
{
    TFileMasks masks;
    masks.parseExt("*.nc;*.zip");
    EXPECT_EQ(masks.programFileFilter(), "All files|*.*|*.nc|*.nc");
    masks.parseExt("*.ZIP;*.zip;*.tap");
    EXPECT_EQ(masks.programFileFilter(), "All files|*.*|*.ZIP|*.ZIP|*.tap|*.tap");
}

TEST(FileMasks, RunsOfSemicolonsSeparateLikeOneAndBlanksBelongToTheMask)
{
    TFileMasks masks;
    masks.parseExt(";*.nc;;*.tap;");
    EXPECT_EQ(masksOf(masks), (std::vector<std::string>{"*.nc", "*.tap"}));
    masks.parseExt("*.nc; *.tap");
    EXPECT_EQ(masksOf(masks), (std::vector<std::string>{"*.nc", " *.tap"}));
}

TEST(FileMasks, EachParseReplacesTheList)
{
    TFileMasks masks;
    masks.parseExt("*.nc;");
    EXPECT_EQ(masksOf(masks), std::vector<std::string>{"*.nc"});
    masks.parseExt("*.nc;*");
    EXPECT_EQ(masksOf(masks), (std::vector<std::string>{"*.nc", "*"}));
    masks.parseExt("");
    EXPECT_EQ(masks.gExtCount, 0);
    EXPECT_EQ(masks.maskFilter(), "All files|*.*");
    EXPECT_EQ(masks.programFileFilter(), "All files|*.*");
}

TEST(FileMasks, KeepsTheFirst256MasksOfALongerText)
{
    std::string text;
    for (int i = 1; i <= 300; ++i)
        text += "*." + std::to_string(i) + ";";
    TFileMasks masks;
    masks.parseExt(text);
    EXPECT_EQ(masks.gExtCount, 256);
    EXPECT_EQ(masks.gExtMasks[256], "*.256");
    EXPECT_TRUE(masks.maskFilter().ends_with("|*.256|*.256"));
}

TEST(FileMasks, FilterSkipsAnEmptyMask)
{
    TFileMasks masks;
    masks.gExtCount = 2;
    masks.gExtMasks[2] = "*.nc";
    EXPECT_EQ(masks.maskFilter(), "All files|*.*|*.nc|*.nc");
}
