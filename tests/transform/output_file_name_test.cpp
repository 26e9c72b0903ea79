// Output names: the stem, the folder, "(n)" while a name is taken.

#include "transform/output_file_name.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tarnix;
using tarnix::testing::ScratchFolder;

TEST(OutputStem, CutsAtTheFirstPlaceTheExtensionOccurs)
{
    const struct {
        const char* name;
        const char* stem;
        const char* extension;
    } cases[] = {
        {"/progs/part.tap", "part", ".tap"},
        {"part.v2.nc", "part.v2", ".nc"},
        {"a.tap.b.tap", "a", ".tap"},
        {"/progs/part", "part", ""},  // no extension: the whole name
        {"/progs/.tap", ".tap", ""},  // a leading dot starts the name
        {"/pro.gs/part", "part", ""},
        {"/progs/деталь.nc", "деталь", ".nc"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outputStem(c.name), c.stem) << c.name;
        EXPECT_EQ(sourceExtension(c.name), c.extension) << c.name;
    }
}

TEST(IncrementFileName, CountsUpWhileTheNameIsTaken)
{
    ScratchFolder scratch;
    const std::string dir = scratch.path().string() + "/";
    const std::string source = scratch.write("part.tap", "G0 X0\n");
    const std::string first = dir + "part_Rotated_Z_90.tap";
    EXPECT_EQ(IncrementFileName(dir, "", "_Rotated_Z_90", source, ".tap"), first);
    scratch.write("part_Rotated_Z_90.tap", "");
    EXPECT_EQ(IncrementFileName(dir, "", "_Rotated_Z_90", source, ".tap"), dir + "part_Rotated_Z_90(1).tap");
    scratch.write("part_Rotated_Z_90(1).tap", "");
    std::filesystem::create_symlink(dir + "nowhere", dir + "part_Rotated_Z_90(2).tap");
    EXPECT_EQ(IncrementFileName(dir, "", "_Rotated_Z_90", source, ".tap"), dir + "part_Rotated_Z_90(3).tap");
}

TEST(IncrementFileName, FolderIsAbsoluteDirOrRelativeToTheNameAndIsMade)
{
    ScratchFolder scratch;
    const std::string root = scratch.path().string();
    const std::string source = root + "/progs/part.nc";
    EXPECT_EQ(IncrementFileName(root + "/out", "A_", " _Zmin_-2", source, ".nc"), root + "/out/A_part _Zmin_-2.nc");
    EXPECT_TRUE(std::filesystem::is_directory(root + "/out"));
    EXPECT_EQ(IncrementFileName("sub/", "", "_Shifted", source, ".nc"), root + "/progs/sub/part_Shifted.nc");
    EXPECT_TRUE(std::filesystem::is_directory(root + "/progs/sub"));
    // No folder at all: the current folder, never the root.
    EXPECT_EQ(IncrementFileName("", "", "_Shifted", "part", ""), "part_Shifted");
}
