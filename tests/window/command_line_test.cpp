#include "window/command_line.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

using namespace tarnix;

TEST(CommandLine, NoParameters)
{
    EXPECT_FALSE(parseCommandLine({}, "/opt/tarnix/").hasParameters);
}

TEST(CommandLine, ProgramFileToDraw)
{
    CommandLineRequest request = parseCommandLine({"/home/m/parts/a.nc"}, "/opt/tarnix/");
    EXPECT_TRUE(request.hasParameters);
    EXPECT_EQ(request.folder, "/home/m/parts/");
    EXPECT_EQ(request.name, "a.nc");
    EXPECT_EQ(request.gEditFile, "");
}

TEST(CommandLine, BareNameLiesBesideTheExecutableAndBlanksAreTrimmed)
{
    CommandLineRequest request = parseCommandLine({"  part 1.nc "}, "/opt/tarnix/");
    EXPECT_EQ(request.folder, "/opt/tarnix/");
    EXPECT_EQ(request.name, "part 1.nc");
}

TEST(CommandLine, EditSwitchInAnyCaseWithMinusOrSlash)
{
    for (const char* editSwitch : {"-e", "-E", "/e", "/E"}) {
        CommandLineRequest request = parseCommandLine({editSwitch, "/parts/b.tap"}, "/opt/");
        EXPECT_EQ(request.gEditFile, editSwitch);
        EXPECT_EQ(request.folder, "/parts/");
        EXPECT_EQ(request.name, "b.tap");
    }
}

TEST(CommandLine, SwitchAfterTheFileMakesTheSwitchTheProgramFile)
{
    CommandLineRequest request = parseCommandLine({"/parts/b.tap", "-e"}, "/opt/");
    EXPECT_EQ(request.gEditFile, "/parts/b.tap");
    EXPECT_EQ(request.name, "-e");
    EXPECT_EQ(request.folder, "/opt/");
}

TEST(CommandLine, LongerWordsAreNoSwitch)
{
    CommandLineRequest request = parseCommandLine({"-edit", "x.nc"}, "/opt/");
    EXPECT_EQ(request.gEditFile, "");
    EXPECT_EQ(request.name, "-edit");
}

TEST(CommandLine, RelativePathsAreMadeAbsoluteAgainstTheWorkingFolder)
{
    struct Case {
        std::vector<std::string> arguments;
        const char* folder;
        const char* name;
    };
    const Case cases[] = {
        {{"examples/bracket.nc"}, "/home/m/tarnix/examples/", "bracket.nc"},
        {{"./examples/../parts/a.nc"}, "/home/m/tarnix/parts/", "a.nc"},
        {{"../b.tap"}, "/home/m/", "b.tap"},
        {{"-e", "sub/c.nc"}, "/home/m/tarnix/sub/", "c.nc"},
        {{"/abs/d.nc"}, "/abs/", "d.nc"},
    };
    for (const Case& c : cases) {
        CommandLineRequest request = parseCommandLine(c.arguments, "/opt/tarnix/", "/home/m/tarnix/");
        EXPECT_EQ(request.folder, c.folder) << c.arguments.back();
        EXPECT_EQ(request.name, c.name) << c.arguments.back();
    }
}

TEST(CommandLine, BareNameIsLookedForInTheWorkingFolderFirst)
{
    tarnix::testing::ScratchFolder working;
    working.write("here.nc", "G0");
    const std::string folder = working.path().string() + "/";
    EXPECT_EQ(parseCommandLine({"here.nc"}, "/opt/tarnix/", folder).folder, folder);
    EXPECT_EQ(parseCommandLine({"elsewhere.nc"}, "/opt/tarnix/", folder).folder, "/opt/tarnix/");
}
