#include "common/errors.h"
#include "path/path_builder.h"
#include "path/program_location.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

using namespace tarnix;
namespace fs = std::filesystem;

namespace {

class ScriptedPump : public EventPump {
public:
    void pump() override
    {
        ++pumps;
        if (onPump)
            onPump();
    }
    bool terminating() const override { return terminate; }

    std::function<void()> onPump;
    int pumps = 0;
    bool terminate = false;
};

class RecordingProgress : public ProgressSink {
public:
    void setMaximum(long long value) override { maximum = value; }
    void setPosition(long long value) override
    {
        position = value;
        positions.push_back(value);
    }
    void setVisible(bool value) override { visible = value; }

    long long maximum = -1, position = 0;
    std::vector<long long> positions;
    bool visible = false;
};

}  // namespace

class PathBuilding : public ::testing::Test {
protected:
    PathBuilding()
    {
        context.events = &pump;
        context.ProgressBar = &progress;
        location.FCurrentFolder = folder.path().string() + "/";
        builder.pumpInterval = std::chrono::milliseconds(0);
    }

    void writeProgram(const std::string& name, const std::string& text)
    {
        folder.write(name, text);
        location.FSelectedFile = name;
    }

    std::vector<std::int32_t> lineNumbers() const
    {
        std::vector<std::int32_t> numbers;
        for (auto point = context.FPathPoints->First(); point; point.Next())
            numbers.push_back(point->LineNo);
        return numbers;
    }

    // Builds the chosen program, as the window does.
    void build() { builder.MakePath(location.programPath()); }

    tarnix::testing::ScratchFolder folder;
    ProgramLocation location;
    InterpreterContext context;
    ScriptedPump pump;
    RecordingProgress progress;
    PathBuilder builder{context};
};

TEST_F(PathBuilding, GCodeProgramBuildsFromItsFolder)
{
    writeProgram("part.nc", "%\r\n G0 X10 Y10 Z5\r\n G1 Z-1 F100\r\n G1 X20\r\n M30\r\n");
    build();
    EXPECT_EQ(lineNumbers(), (std::vector<std::int32_t>{2, 3, 4}));
    EXPECT_FALSE(builder.FBuildingPath());
    EXPECT_FALSE(progress.visible);
    EXPECT_GE(pump.pumps, 1);
}

TEST_F(PathBuilding, ExtractedZipEntryIsReadFromTheExtractionFolder)
{
    location.FSelectedFile = "a.nc";
    location.extractionFolder = "/tmp/tempcnc/";
    EXPECT_EQ(location.programPath(), location.FCurrentFolder + "a.nc");
    location.FZipExtracted = true;
    EXPECT_EQ(location.programPath(), "/tmp/tempcnc/a.nc");
}

TEST_F(PathBuilding, EachPassResetsPositionPlaneAndDistanceModeOnly)
{
    writeProgram("part.nc", " G91 G18 G1 X5 F300\n");
    build();
    build();
    EXPECT_EQ(context.state.gX, 5) << "the second pass starts again from the origin";
    EXPECT_EQ(context.state.gFeed, 300);
    EXPECT_EQ(context.FPathPoints->Count(), 2) << "MakePath does not clear the list";
}

TEST_F(PathBuilding, RolandCommandsSplitAtSemicolons)
{
    context.settings.programKind = ProgramKind::Roland;
    writeProgram("part.rol", "Z1,2,3;Z4,5,6;\nZ7,8,9;Z10,11,12\nZ13,14,15\n");
    build();
    // Line 2's text after the last ";" is an unfinished command.
    EXPECT_EQ(lineNumbers(), (std::vector<std::int32_t>{1, 1, 2, 3}));
}

TEST_F(PathBuilding, NoProgramKindReadsAndSkipsEveryLine)
{
    context.settings.programKind = ProgramKind::None;
    writeProgram("part.nc", " G1 X1\n G1 X2\n");
    build();
    EXPECT_EQ(context.FPathPoints->Count(), 0);
}

TEST_F(PathBuilding, NestedBuildIsRefusedWhileOneRuns)
{
    writeProgram("part.nc", " G1 X1\n G1 X2\n G1 X3\n");
    int nested = 0;
    pump.onPump = [&] {
        ++nested;
        build();
    };
    build();
    EXPECT_GT(nested, 0);
    EXPECT_EQ(context.FPathPoints->Count(), 3);
}

TEST_F(PathBuilding, ClearingDuringABuildContinuesIntoTheNewList)
{
    writeProgram("part.nc", " G1 X1\n G1 X2\n G1 X3\n");
    bool cleared = false;
    pump.onPump = [&] {
        if (!cleared) {
            builder.ClearPath();
            cleared = true;
        }
    };
    build();
    EXPECT_EQ(lineNumbers(), (std::vector<std::int32_t>{2, 3}));
}

TEST_F(PathBuilding, TerminatingApplicationStopsAtTheNextLine)
{
    writeProgram("part.nc", " G1 X1\n G1 X2\n G1 X3\n");
    pump.terminate = true;
    build();
    EXPECT_EQ(context.FPathPoints->Count(), 1);
}

TEST_F(PathBuilding, InterpreterOrFileErrorLeavesTheBuilderReusable)
{
    writeProgram("bad.nc", " G1 X1\n G1 X1.2.3\n G1 X3\n");
    EXPECT_THROW(build(), ConversionError);
    EXPECT_FALSE(builder.FBuildingPath());
    EXPECT_FALSE(progress.visible);
    location.FSelectedFile = "missing.nc";
    EXPECT_THROW(build(), InputOutputError);
    EXPECT_FALSE(builder.FBuildingPath());
    writeProgram("good.nc", " G1 X1\n");
    builder.ClearPath();
    build();
    EXPECT_EQ(context.FPathPoints->Count(), 1);
}

TEST_F(PathBuilding, PipeOrDeviceIsRefusedBeforeReading)
{
    const std::string fifo = folder.file("fifo.nc").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    context.settings.programKind = ProgramKind::Fanuc;
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        EXPECT_THROW(builder.MakePath(path), InputOutputError) << path;
        EXPECT_EQ(context.FPathPoints->Count(), 0);
    }
}

TEST_F(PathBuilding, EmptySelectionOnlySetsTheScales)
{
    location.FSelectedFile = "";
    bool colorsRestored = false;
    builder.ColorToGLColor = [&] { colorsRestored = true; };
    build();
    EXPECT_DOUBLE_EQ(context.settings.gSpeedScale1, 0.9 / 1980);
    EXPECT_DOUBLE_EQ(context.settings.gSpeedScale2, 0.9 / 980);
    EXPECT_NEAR(context.settings.gSpeedScale3, 0.9 / (2000.0 / 3 - 20), 1e-15);
    EXPECT_FALSE(colorsRestored);
    EXPECT_EQ(progress.maximum, -1);
}

TEST_F(PathBuilding, BadScaleFailsBeforeTheFileIsOpened)
{
    writeProgram("part.nc", " G1 X1\n");
    context.settings.edMax = "2000.5";
    EXPECT_THROW(build(), ConversionError);
    EXPECT_EQ(context.FPathPoints->Count(), 0);
    EXPECT_FALSE(builder.FBuildingPath());
}

TEST_F(PathBuilding, ZeroDivisorsGiveInfiniteScalesWithoutFailing)
{
    writeProgram("part.nc", " G1 X1 F100\n");
    context.settings.edMin = "20";
    context.settings.edMax = "20";
    context.settings.cbSpeedColor = true;
    EXPECT_NO_THROW(build());
    EXPECT_TRUE(std::isinf(context.settings.gSpeedScale1));
    context.settings.edMax = "40";
    EXPECT_NO_THROW(build());
    EXPECT_TRUE(std::isinf(context.settings.gSpeedScale2));
}

TEST_F(PathBuilding, GreyScaleSaturatesAtTheTopOfTheRange)
{
    context.settings.cbSpeedColor = true;
    context.settings.cbBlackAndWite = true;
    writeProgram("part.nc", " G1 X1 F1900\n G1 X2 F1000\n");
    build();
    auto point = context.FPathPoints->First();
    const TPathPoint fast = *point;
    point.Next();
    EXPECT_GE(fast.Color[0], 0.9f);
    EXPECT_EQ(fast.Color[0], fast.Color[2]);
    EXPECT_NEAR(point->Color[1], 1000 * 0.9 / 1980 + 0.05, 1e-6);
}

TEST_F(PathBuilding, RandomFeedColourPerBuildAndConfiguredColoursBack)
{
    writeProgram("part.nc", " G1 X1 F100\n");
    context.settings.FColorRandom = true;
    std::set<float> seen;
    for (int round = 0; round < 20; ++round) {
        build();
        for (float component : context.settings.FG1ColorGL) {
            EXPECT_GE(component, 0.2f - 1e-6f);
            EXPECT_LE(component, 0.6f + 1e-6f);
            float tenths = (component - 0.2f) * 10;
            EXPECT_NEAR(tenths, std::round(tenths), 1e-4);
            seen.insert(component);
        }
    }
    EXPECT_GT(seen.size(), 1u);
    context.settings.FColorRandom = false;
    builder.ColorToGLColor = [&] { context.settings.FG1ColorGL[0] = 0.75f; };
    build();
    EXPECT_EQ(context.settings.FG1ColorGL[0], 0.75f);
}

// The maximum is the file size over 128; the bar counts the bytes read in
// the same units, so it only moves forwards and ends full, for short lines
// (which outran an estimate by lines and sent the bar back) and long ones.
// A tiny file keeps a maximum of 0.
TEST_F(PathBuilding, ProgressMovesOneWayToTheFileSize)
{
    const struct {
        int lines;
        std::string line;
        long long maximum;
    } cases[] = {{400, " G1 X1\n", 21}, {3000, " G1 X1\n", 164}, {300, "G1 X" + std::string(120, '1') + "\n", 292},
                 {1, " G1 X1\n", 0}};
    for (const auto& c : cases) {
        std::string text;
        for (int i = 0; i < c.lines; ++i)
            text += c.line;
        writeProgram("part.nc", text);
        progress.positions.clear();
        progress.position = 0;
        build();
        EXPECT_EQ(progress.maximum, c.maximum) << c.lines;
        EXPECT_TRUE(std::is_sorted(progress.positions.begin(), progress.positions.end())) << c.lines;
        EXPECT_EQ(progress.position, c.maximum) << c.lines;
    }
}

// The view takes in the points before each pump, so each pump finds the
// points of every line read before it taken in.
TEST_F(PathBuilding, PointsAreHandedOnBeforeEachPump)
{
    writeProgram("part.nc", "G1 X1 F100\nG1 X2\nG1 X3\n");
    std::vector<std::int32_t> countsAtTakeIn, countsAtPump;
    builder.pointsAdded = [&] { countsAtTakeIn.push_back(context.FPathPoints->Count()); };
    pump.onPump = [&] { countsAtPump.push_back(context.FPathPoints->Count()); };
    build();
    // The last pump comes after the build, with nothing new to take in.
    ASSERT_EQ(countsAtTakeIn.size() + 1, countsAtPump.size());
    countsAtPump.pop_back();
    EXPECT_EQ(countsAtTakeIn, countsAtPump);
    EXPECT_EQ(countsAtTakeIn, (std::vector<std::int32_t>{1, 2, 3}));
}
