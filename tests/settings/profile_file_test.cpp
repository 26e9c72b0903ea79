#include "settings/profile_file.h"

#include "common/errors.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

using namespace tarnix;
using namespace tarnix::testing;

TEST(ProfileFile, MissingFileHoldsNoKeys)
{
    ScratchFolder folder;
    const ProfileFile profile = ProfileFile::load(folder.file("absent.ini"));
    EXPECT_FALSE(profile.readString("Colors", "BackColor").has_value());
}

TEST(ProfileFile, FindsSectionsAndKeysWithoutRegardToCaseButOnlyInTheirSection)
{
    ScratchFolder folder;
    writeFile(folder.file("a.ini"), "[ colors ]\r\nBACKCOLOR = 5\r\n[Options]\r\nG0Color=1\r\n");
    const ProfileFile profile = ProfileFile::load(folder.file("a.ini"));
    EXPECT_EQ(profile.readString("Colors", "BackColor"), " 5");
    EXPECT_FALSE(profile.readString("Colors", "G0Color").has_value());
    EXPECT_FALSE(profile.readString("Window", "G0Color").has_value());
}

TEST(ProfileFile, ValueIsTheTextAfterTheFirstEqualsSignVerbatim)
{
    ScratchFolder folder;
    writeFile(folder.file("a.ini"),
                       "[Options]\r\nextentions=*.nc; *.tap,x=y\\z ;\r\nStart_dir=\r\n");
    const ProfileFile profile = ProfileFile::load(folder.file("a.ini"));
    EXPECT_EQ(profile.readString("Options", "extentions"), "*.nc; *.tap,x=y\\z ;");
    EXPECT_EQ(profile.readString("Options", "Start_dir"), "");
}

TEST(ProfileFile, RewriteChangesKeysInPlaceAndKeepsEveryOtherLine)
{
    ScratchFolder folder;
    writeFile(folder.file("a.ini"),
                       "; kept comment\n[Colors]\nbackcolor=1\nOther=x\n\n[Window]\nLeft=10\n");
    ProfileFile profile = ProfileFile::load(folder.file("a.ini"));
    profile.writeString("Colors", "BackColor", "2");
    profile.writeString("COLORS", "G0Color", "3");
    profile.writeString("Options", "Start_dir", "/home/");
    profile.save(folder.file("a.ini"));
    EXPECT_EQ(readFile(folder.file("a.ini")),
              "; kept comment\n[Colors]\nBackColor=2\nOther=x\nG0Color=3\n\n[Window]\nLeft=10\n"
              "[Options]\nStart_dir=/home/\n");
}

TEST(ProfileFile, OnlyAWholeBracketedLineOpensASection)
{
    ScratchFolder folder;
    writeFile(folder.file("a.ini"), "[Options]\n[Colors\nBackColor=1\nColors]\n[Colors] x\n"
                                    "[Colors]\nBackColor=255\n");
    ProfileFile profile = ProfileFile::load(folder.file("a.ini"));
    EXPECT_EQ(profile.readString("Colors", "BackColor"), "255");
    profile.writeString("Colors", "G0Color", "3");
    profile.save(folder.file("a.ini"));
    EXPECT_EQ(readFile(folder.file("a.ini")), "[Options]\n[Colors\nBackColor=1\nColors]\n[Colors] x\n"
                                              "[Colors]\nBackColor=255\nG0Color=3\n");
}

TEST(ProfileFile, SaveCreatesTheFileAndReportsAFileItCannotWrite)
{
    ScratchFolder folder;
    ProfileFile profile;
    profile.writeString("Options", "Use_glScale", "1");
    profile.save(folder.file("new.ini"));
    EXPECT_EQ(readFile(folder.file("new.ini")), "[Options]\nUse_glScale=1\n");
    EXPECT_THROW(profile.save(folder.file("no such folder/new.ini")), InputOutputError);
}
