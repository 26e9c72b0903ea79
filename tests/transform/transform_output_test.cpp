// Where the save dialog's answer writes, and the guard for the source.

#include "transform/transform_output.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tarnix;
using tarnix::testing::ScratchFolder;

TEST(ChosenOutputName, AddsTheChosenFiltersExtensionToANameWithout)
{
    const std::string filter = "All files|*.*|*.nc|*.nc|*.tap|*.tap";
    EXPECT_EQ(chosenOutputName({"/p/part", 1}, filter), "/p/part.tap");
    EXPECT_EQ(chosenOutputName({"/p/part", 2}, filter), "/p/part.nc");
    EXPECT_EQ(chosenOutputName({"/p/part.prg", 2}, filter), "/p/part.prg");
    EXPECT_EQ(outputText({"G0X1.000", "M30"}), "G0X1.000\nM30\n");
}

TEST(NamesSameFile, SeesThroughOtherPathsToTheSource)
{
    ScratchFolder scratch;
    const std::string dir = scratch.path().string();
    const std::string source = scratch.write("part.tap", "G0 X0\n");
    std::filesystem::create_symlink(source, dir + "/link.tap");
    EXPECT_TRUE(namesSameFile(source, source));
    EXPECT_TRUE(namesSameFile(dir + "/./part.tap", source));
    EXPECT_TRUE(namesSameFile(dir + "/link.tap", source));
    EXPECT_FALSE(namesSameFile(dir + "/part_Shifted.tap", source));
}
