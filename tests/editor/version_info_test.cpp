// The version block: the translation table decides which string table is
// asked for "FileVersion"; the block is found in the executable's section.

#include "editor/version_info.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tarnix;

namespace {

VersionStringTable table(const char* name, const char* version)
{
    return {name, {{"CompanyName", "x"}, {"FileVersion", version}}};
}

TEST(VersionInfo, TranslationEntriesAreTriedInOrderWithTheirHexNames)
{
    struct Case {
        const char* what;
        std::vector<VersionStringTable> tables;
        std::vector<VersionTranslation> translations;
        const char* version;
    } cases[] = {
        {"US English, Latin-1", {table("040904E4", "1.2.3")}, {{0x0409, 0x04E4}}, "1.2.3"},
        // Language 0 gives a single "0": the path names "0004B0", no table.
        {"neutral language", {table("000004B0", "4.5")}, {{0x0000, 0x04B0}}, ""},
        {"a later entry answers", {table("000004B0", "4.5"), table("041904E3", "6.7")},
         {{0x0000, 0x04B0}, {0x0419, 0x04E3}}, "6.7"},
        {"empty translation table", {table("040904E4", "1.2.3")}, {}, ""},
        {"no table for the translation", {table("040904E4", "1.2.3")}, {{0x0407, 0x04E4}}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fileVersionFromBlock(buildVersionInfo(c.tables, c.translations)), c.version) << c.what;
}

TEST(VersionInfo, SubBlockPathsIgnoreRepeatedSeparatorsAndLetterCase)
{
    const std::string block = buildVersionInfo({table("040904E4", "1.2.3")}, {{0x0409, 0x04E4}});
    EXPECT_EQ(queryVersionValue(block, "\\StringFileInfo\\040904e4\\fileversion"), "1.2.3");
    EXPECT_EQ(queryVersionValue(block, "\\\\VarFileInfo\\\\Translation"), std::string("\x09\x04\xE4\x04", 4));
    EXPECT_EQ(queryVersionValue(block, "StringFileInfo\\040904E4\\FileVersionX"), std::nullopt);
}

TEST(VersionInfo, CutOffBlocksGiveNoVersionAndNoCrash)
{
    const std::string block = buildVersionInfo({table("040904E4", "1.2.3")}, {{0x0409, 0x04E4}});
    for (std::size_t size = 0; size < block.size(); ++size)
        EXPECT_EQ(fileVersionFromBlock(block.substr(0, size)), "") << size;
}

TEST(VersionInfo, TheProgramCarriesItsVersion)
{
    if (std::string(TARNIX_EXECUTABLE).empty())
        GTEST_SKIP() << "this build has no program";
    EXPECT_EQ(GetFileVersionString(TARNIX_EXECUTABLE), TARNIX_VERSION);
}

TEST(VersionInfo, OtherFilesCarryNone)
{
    const tarnix::testing::ScratchFolder scratch;
    const std::filesystem::path text = scratch.file("not_elf.txt");
    std::ofstream(text) << "\x7F" "ELF but not really";
    for (const std::string& file : {std::string(), std::string("/no/such/file"), text.string(),
                                    std::string(TARNIX_TEST_EXECUTABLE), scratch.path().string()})
        EXPECT_EQ(GetFileVersionString(file), "") << file;
}

}  // namespace
