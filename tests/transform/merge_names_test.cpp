// The names a merge and an array are saved under, and the filter they are
// chosen with.

#include "transform/make_array.h"
#include "transform/merge_programs.h"
#include "transform/replace_all.h"

#include <gtest/gtest.h>

namespace tarnix {
namespace {

TFileMasks masks(const char* text)
{
    TFileMasks made;
    made.parseExt(text);
    return made;
}

TEST(MaskSaveFilter, MergeLeavesOutZipInAnyCase)
{
    const TFileMasks list = masks("*.nc;*.ZIP;*.tap;*.Zip");
    EXPECT_EQ(MaskSaveFilter(list, true).text(), "All files|*.*|*.nc|*.nc|*.tap|*.tap");
    EXPECT_EQ(MaskSaveFilter(list, false).text(), "All files|*.*|*.nc|*.nc|*.ZIP|*.ZIP|*.tap|*.tap|*.Zip|*.Zip");
}

TEST(MaskSaveFilter, ExtensionOfAnEntryIsItsMaskWithoutStars)
{
    const MaskSaveFilter filter(masks("*.zip;*.nc;**.t*p"), true);
    EXPECT_EQ(filter.extensionOf(1), "");
    EXPECT_EQ(filter.extensionOf(2), ".nc");
    EXPECT_EQ(filter.extensionOf(3), ".tp");
    EXPECT_EQ(filter.extensionOf(4), "");
}

struct MergeNameCase {
    const char* name;
    SaveDialogAnswer answer;
    std::string expected;
};

class MergeOutputName : public ::testing::TestWithParam<MergeNameCase> {};

TEST_P(MergeOutputName, FollowsTheChosenFilter)
{
    const MaskSaveFilter filter(masks("*.nc;*.zip;*.tap"), true);
    EXPECT_EQ(mergeOutputName(GetParam().answer, filter, "sub/first.cnc"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MergeOutputName,
    ::testing::Values(MergeNameCase{"AllFilesNoExtension", {"/p/out", 1}, "/p/out.cnc"},
                      MergeNameCase{"AllFilesKeepsExtension", {"/p/out.txt", 1}, "/p/out.txt"},
                      MergeNameCase{"MaskReplacesExtension", {"/p/out.txt", 3}, "/p/out.tap"},
                      MergeNameCase{"MaskAddsExtension", {"/p.d/out", 2}, "/p.d/out.nc"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProposedNames, MergeTakesTheProgramFolderAndFirstName)
{
    EXPECT_EQ(proposedMergeName("/cnc/parts/", "a.nc"), "/cnc/parts/Merged_a.nc");
}

TEST(ProposedNames, ArrayAddsArrayBeforeTheExtension)
{
    EXPECT_EQ(proposedArrayName("/cnc/part.v2.nc"), "/cnc/part.v2_Array.nc");
    EXPECT_EQ(proposedArrayName("/cnc.d/part"), "/cnc.d/part_Array");
}

struct ReplaceCase {
    const char* text;
    const char* pattern;
    const char* replacement;
    const char* expected;
};

class ReplaceAllCases : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAllCases, ReplacesLeftToRight)
{
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(ReplaceAll(c.text, c.pattern, c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReplaceAllCases,
                         ::testing::Values(ReplaceCase{"*.nc", "*", "", ".nc"},
                                           ReplaceCase{"**.*", "*", "", "."},
                                           ReplaceCase{"aaa", "aa", "a", "aa"},
                                           ReplaceCase{"ab", "b", "bb", "abb"},
                                           ReplaceCase{"abc", "", "x", "abc"},
                                           ReplaceCase{"", "a", "b", ""}));

}  // namespace
}  // namespace tarnix
