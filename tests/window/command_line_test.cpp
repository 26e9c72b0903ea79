#include "window/command_line.h"

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
