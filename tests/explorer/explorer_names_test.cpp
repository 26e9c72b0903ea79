// Which names the masks list, in folders and in archives, and the name
// parts program paths are built from.

#include "explorer/explorer_names.h"

#include <gtest/gtest.h>

namespace tarnix {
namespace {

TFileMasks masksOf(const char* text)
{
    TFileMasks masks;
    masks.parseExt(text);
    return masks;
}

TEST(FolderMask, LettersMatchWithoutRegardToCase)
{
    EXPECT_TRUE(matchesFileMask("A.NC", "*.nc"));
    EXPECT_TRUE(matchesFileMask("part.nc", "*.NC"));
    EXPECT_FALSE(matchesFileMask("part.ncx", "*.nc"));
    EXPECT_FALSE(matchesFileMask("part.n", "*.nc"));
}

TEST(FolderMask, StarMatchesAnyRunAndQuestionMarkExactlyOneCharacter)
{
    EXPECT_TRUE(matchesFileMask(".nc", "*.nc"));
    EXPECT_TRUE(matchesFileMask("a.b.nc", "*.nc"));
    EXPECT_TRUE(matchesFileMask("part1.nc", "part?.nc"));
    EXPECT_FALSE(matchesFileMask("part12.nc", "part?.nc"));
    EXPECT_FALSE(matchesFileMask("part.nc", "part?.nc"));
    EXPECT_TRUE(matchesFileMask("ab_ab_ab.tap", "*ab*.tap"));
    EXPECT_TRUE(matchesFileMask("anything", "*"));
}

TEST(FolderMask, QuestionMarkTakesAWholeUtf8Character)
{
    EXPECT_TRUE(matchesFileMask("деталь1.nc", "??????1.nc"));
    EXPECT_FALSE(matchesFileMask("деталь1.nc", "?????1.nc"));
}

TEST(FolderMask, NamesThatAreNotUtf8StillMatch)
{
    EXPECT_TRUE(matchesFileMask("\xc4\xe5\xf2\xe0\xeb\xfc.nc", "*.nc"));
    EXPECT_TRUE(matchesFileMask("\xff.nc", "?.nc"));
    EXPECT_TRUE(matchesFileMask("\xe0\x80.nc", "??.nc"));  // a cut sequence is two bytes
}

TEST(ArchiveMask, ExtensionIsLowerCasedAndComparedExactly)
{
    EXPECT_EQ(zipEntryMaskText("A.NC"), "*.nc");
    EXPECT_TRUE(zipEntryListed("A.NC", masksOf("*.nc")));
    EXPECT_FALSE(zipEntryListed("A.NC", masksOf("*.NC")));
    EXPECT_FALSE(zipEntryListed("a.nc", masksOf("*.NC;*.n?")));
}

TEST(ArchiveMask, FoldersOfTheEntryNameAreNoExtension)
{
    EXPECT_EQ(zipEntryMaskText("dir/sub/name.nc"), "*.nc");
    EXPECT_EQ(zipEntryMaskText("dir.v2/readme"), "*");
    EXPECT_EQ(zipEntryMaskText("noextension"), "*");
    EXPECT_TRUE(zipEntryListed("dir.v2/readme", masksOf("*.nc;*")));
}

TEST(ArchiveName, OnlyZipInOneLetterCaseIsAnArchive)
{
    EXPECT_TRUE(hasZipExtension("DATA.ZIP"));
    EXPECT_TRUE(hasZipExtension("/cnc/data.zip"));
    EXPECT_FALSE(hasZipExtension("Data.Zip"));
    EXPECT_FALSE(hasZipExtension("/cnc/old.zip/part.nc"));
    EXPECT_FALSE(hasZipExtension("zip"));
}

TEST(EntryName, FileNamePartDropsTheFolders)
{
    EXPECT_EQ(fileNamePart("dir/sub/name.nc"), "name.nc");
    EXPECT_EQ(fileNamePart("name.nc"), "name.nc");
    // On this file system "\" and ":" are characters of a name.
    EXPECT_EQ(fileNamePart("a\\b:c.nc"), "a\\b:c.nc");
}

}  // namespace
}  // namespace tarnix
