// The Description column: which line of a program's head gives it and how
// that line is cut.

#include "common/errors.h"
#include "support/scratch_folder.h"
#include "explorer/explorer_description.h"

#include <gtest/gtest.h>

namespace tarnix {
namespace {

using testing::ScratchFolder;
using testing::writeFile;

std::string lines(int count, const std::string& text)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += text + "\r\n";
    return out;
}

TEST(DescriptionLine, BracketedCommentIsKeptWithItsBrackets)
{
    EXPECT_EQ(descriptionOfLine("(BRACKET 40X60)"), "(BRACKET 40X60)");
    EXPECT_EQ(descriptionOfLine("X0 (FACE) Y0"), "(FACE)");
}

TEST(DescriptionLine, LineWithoutBracketsGivesItsFirstCharacter)
{
    EXPECT_EQ(descriptionOfLine("N10 G0 X0"), "N");
    EXPECT_EQ(descriptionOfLine(""), "");
}

TEST(DescriptionLine, OpenBracketWithoutCloseGivesNothing)
{
    EXPECT_EQ(descriptionOfLine("N10 (A"), "");
    EXPECT_EQ(descriptionOfLine(") X0 (A)"), "");  // ")" before "("
}

TEST(DescriptionLine, CloseBracketAloneGivesTheTextUpToOnePastIt)
{
    EXPECT_EQ(descriptionOfLine("N10) X0"), "N10) ");
    EXPECT_EQ(descriptionOfLine("N10)"), "N10)");
}

TEST(DescriptionLine, PositionsCountCharactersNotBytes)
{
    EXPECT_EQ(descriptionOfLine("Ж) Щ"), "Ж) ");
    EXPECT_EQ(descriptionOfLine("Ш"), "Ш");
    EXPECT_EQ(descriptionOfLine("Й1 (ДЕТАЛЬ) Ё"), "(ДЕТАЛЬ)");
}

class DescriptionFile : public ::testing::Test {
protected:
    std::string write(const std::string& bytes)
    {
        writeFile(folder.file("part.nc"), bytes);
        return folder.file("part.nc").string();
    }
    ScratchFolder folder;
};

TEST_F(DescriptionFile, LineAfterTheFirstBracketLineIsRead)
{
    EXPECT_EQ(GetDescription(write("%\nO100\n(PROGRAM)\n(CONTOUR 2)\n(OTHER)\n")), "(CONTOUR 2)");
}

TEST_F(DescriptionFile, BracketLineMayBeLine201ButNotLine202)
{
    EXPECT_EQ(GetDescription(write(lines(200, "G1 X1") + "(HEAD)\n(FOUND)\n")), "(FOUND)");
    EXPECT_EQ(GetDescription(write(lines(201, "G1 X1") + "(HEAD)\n(LATE)\n")), "");
}

TEST_F(DescriptionFile, BracketOnTheLastLineGivesNothing)
{
    EXPECT_EQ(GetDescription(write("%\n(ONLY HEAD)")), "");
}

TEST_F(DescriptionFile, OnlyTheFirstMebibyteIsReadSoAFileWithoutLineEndsIsNotReadWhole)
{
    const std::string longLine(std::size_t{2} << 20, 'X');
    EXPECT_EQ(GetDescription(write(longLine + "\n(HEAD)\n(LATE)\n")), "");
    // The description line itself is cut where the head ends.
    const std::string head = "(HEAD)\n(" + std::string((std::size_t{1} << 20) - 9, 'Y') + ")";
    EXPECT_EQ(GetDescription(write(head + "\n")), head.substr(7));
    EXPECT_EQ(GetDescription(write("(HEAD)\n(" + longLine + ")\n")), "");
}

TEST_F(DescriptionFile, CyrillicCommentsFromWindowsAreDecoded)
{
    EXPECT_EQ(GetDescription(write("(\n(\xc4\xe5\xf2\xe0\xeb\xfc)\r\n")), "(Деталь)");
}

TEST_F(DescriptionFile, MissingFileHasNoDescription)
{
    EXPECT_EQ(GetDescription(folder.file("missing.nc").string()), "");
}

TEST_F(DescriptionFile, ExistingFileThatCannotBeReadIsAnInputOutputError)
{
    std::filesystem::create_directory(folder.file("folder.nc"));
    EXPECT_THROW(GetDescription(folder.file("folder.nc").string()), InputOutputError);
}

}  // namespace
}  // namespace tarnix
