#include "common/errors.h"
#include "interpretation/info_run.h"
#include "reader_fixture.h"

#include <functional>

namespace tarnix::testing {
namespace {

class TerminatingPump : public EventPump {
public:
    void pump() override { ++pumps; }
    bool terminating() const override { return terminate; }

    int pumps = 0;
    bool terminate = false;
};

class InfoRunTest : public ReaderFixture {
protected:
    InfoRunTest()
    {
        run.FSelectedFile = "part.nc";
        run.showFileInfo = [this](const FileInfoFields& info) { shown.push_back(info); };
    }

    // Measures `text` as the file part.nc.
    std::optional<FileInfoFields> measure(const std::string& text)
    {
        run.edFileName = folder.write("part.nc", text);
        return run.GetFileInfo();
    }

    InfoRun run{context};
    std::vector<FileInfoFields> shown;
};

// Rapid to Z5, plunge, then cuts at F600 (0.1 s per mm), with a comment and
// an empty line among them.
const std::string kCuts = "G0 X0 Y0 Z5\nG1 Z0 F600\n(comment)\nX10\n\nX30\nX60\n";

struct LineRangeCase {
    const char* firstLine;
    const char* lastLine;
    const char* panel2;
    const char* lblLines;
};

TEST_F(InfoRunTest, FirstAndLastLineChooseWhatIsMeasured)
{
    const LineRangeCase cases[] = {
        {"", "", "Line 7  Time  0: 0: 6  Length(m) 0.065", "7"},
        // Lines 1 and 2 only set the position; the rapid text's feed stays.
        {"2", "", "Line 5  Time  0: 0: 1  Length(m) 0.050", "7"},
        {"", "5", "Line 5  Time  0: 0: 2  Length(m) 0.015", "5"},  // empty last line
        {"", "3", "Line 3  Time  0: 0: 0  Length(m) 0.005", "3"},  // comment last line
        // A last line at or below the first never matches.
        {"4", "4", "Line 3  Time  0: 0: 1  Length(m) 0.030", "7"},
        {"4", "2", "Line 3  Time  0: 0: 1  Length(m) 0.030", "7"},
    };
    for (const LineRangeCase& c : cases) {
        SCOPED_TRACE(std::string("first ") + c.firstLine + ", last " + c.lastLine);
        run.edStartPoint = c.firstLine;
        run.edStopPoint = c.lastLine;
        const auto info = measure(kCuts);
        ASSERT_TRUE(info);
        EXPECT_EQ(status.panels[2], c.panel2);
        EXPECT_EQ(info->lblLines, c.lblLines);
    }
}

TEST_F(InfoRunTest, DialogShowsTheExtentsWithTheRapidZRange)
{
    const auto info = measure(kCuts);
    ASSERT_EQ(shown.size(), 1u);
    const FileInfoFields& dialog = shown[0];
    EXPECT_EQ(dialog.edName, "part.nc");
    EXPECT_EQ(dialog.edTime, " 0: 0: 6");
    EXPECT_EQ(dialog.edLength, "0.065");
    EXPECT_EQ(dialog.edMinX, "10");
    EXPECT_EQ(dialog.edMaxX, "60");
    EXPECT_EQ(dialog.edMinY, "99999");
    EXPECT_EQ(dialog.edMaxY, "-99999");
    EXPECT_EQ(dialog.edMinZ, "0  G0(5)");
    EXPECT_EQ(dialog.edMaxZ, "0  G0(5)");
    EXPECT_EQ(dialog.edMinF, "600");
    EXPECT_EQ(dialog.edMaxF, "600");
    EXPECT_EQ(info->edMaxZ, dialog.edMaxZ);
    EXPECT_EQ(context.FPathPoints->Count(), 5);  // appended to the current path
}

TEST_F(InfoRunTest, PreScanTakesCoordinatesFromAnyTextOfTheLine)
{
    run.edStartPoint = "3";
    measure("G1X10.5Y-2Z3\nX5 (Z2)\nY1-1 Z\nG91 X1\n");
    EXPECT_EQ(context.state.gX, 6);  // 5 from the comment line, then 1 more
    EXPECT_EQ(context.state.gY, -2); // "1-1" does not convert
    EXPECT_EQ(context.state.gZ, 2);  // the comment's Z; an empty Z is ignored

    run.edStartPoint = "1";  // any "G0" text makes the measurement start with rapids
    measure("G01 X3\nX4 Z1\n");
    EXPECT_EQ(context.infoBox.gInfoMaxX, -99999);
    EXPECT_EQ(context.infoBox.gInfoMaxZG0, 1);
}

TEST_F(InfoRunTest, MoveModeCarriesOverFromBefore)
{
    context.state.gMoveMode = 1;
    measure("X10 F600\nX20\n");
    EXPECT_EQ(context.infoBox.gInfoMaxX, 20);
    EXPECT_DOUBLE_EQ(context.totals.FTime, 1.0);
}

TEST_F(InfoRunTest, TimeRoundsHalvesToTheEvenSecondAndAddsToFullTime)
{
    const std::pair<const char*, const char*> cases[] = {
        {"G1 X0 F60\nX59.5\n", " 0: 1: 0"},
        {"G1 X0 F60\nX58.5\n", " 0: 0:58"},
    };
    for (const auto& [program, time] : cases) {
        const auto info = measure(program);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->edTime, time) << program;
    }
    EXPECT_EQ(context.totals.FFullTime, 118);
    EXPECT_EQ(status.panels[1], "Full Time  0: 1:58");
}

TEST_F(InfoRunTest, RolandLineSplitsAtEverySemicolonKeepingTheRest)
{
    context.settings.programKind = ProgramKind::Roland;
    // The command and the empty rest; a rest after the last ";" is a command.
    for (const char* program : {"Z100,200,300;\n", "V15;Z100,200,300\n"}) {
        context.FPathPoints = std::make_unique<TD3FloatPointList>();
        context.state.gZ = 0;
        measure(program);
        EXPECT_EQ(context.FPathPoints->Count(), 2) << program;
        EXPECT_EQ(context.state.gZ, 300) << program;
    }
}

// The first character decides as loading does; the kind set on the Config
// page (the program loaded last) only stands for programs it does not name.
TEST_F(InfoRunTest, EachProgramIsMeasuredAsItsOwnKind)
{
    const std::string gcode = "%\nG1 X0 F60\nX10\n";
    const std::string roland = "^IN;V15;Z0,0,0;Z1500,0,0;\n";
    struct Case {
        ProgramKind configured;
        const std::string& program;
        const char* time;
        const char* length;
        const char* maxX;
    };
    const Case cases[] = {
        {ProgramKind::Roland, gcode, " 0: 0:10", "0.010", "10"},
        {ProgramKind::Fanuc, roland, " 0: 0: 1", "0.015", "-99999"},
        {ProgramKind::Roland, roland, " 0: 0: 1", "0.015", "-99999"},
        {ProgramKind::Roland, "Z0,0,0;Z1500,0,0;\n", " 0: 0: 0", "0.015", "-99999"},
        {ProgramKind::Fanuc, "G1 X0 F60\nX10\n", " 0: 0:10", "0.010", "10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        context.settings.programKind = c.configured;
        const auto info = measure(c.program);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->edTime, c.time);
        EXPECT_EQ(info->edLength, c.length);
        EXPECT_EQ(info->edMaxX, c.maxX);
        EXPECT_EQ(context.settings.programKind, c.configured);  // measuring loads nothing
    }
}

TEST_F(InfoRunTest, RolandProgramLeavesTheBoxAtItsStartValues)
{
    context.settings.programKind = ProgramKind::Roland;
    const auto info = measure("V15;Z100,200,300;Z0,0,0;\n");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->edMaxX, "-99999");
    EXPECT_EQ(info->edMinZ, "99999  G0(99999)");
    EXPECT_EQ(info->edMaxF, "0");
    EXPECT_GT(context.totals.FLength, 0);
}

TEST_F(InfoRunTest, FailuresShowNoDialogAndLeaveThePanels)
{
    const std::function<void()> setups[] = {
        [this] { context.settings.edRapid = "fast"; },
        [this] { run.edStartPoint = "1a"; },
        [this] { run.edStopPoint = "x"; },
    };
    for (const auto& setup : setups) {
        run.edStartPoint = run.edStopPoint = "";
        context.settings.edRapid = "3000";
        setup();
        EXPECT_THROW(measure(kCuts), ConversionError);
    }
    run.edStartPoint = run.edStopPoint = "";
    run.edFileName = folder.file("missing.nc").string();
    EXPECT_THROW(run.GetFileInfo(), InputOutputError);
    context.state.gX = 7;
    run.edFileName.clear();  // no run at all
    EXPECT_FALSE(run.GetFileInfo());
    EXPECT_EQ(context.state.gX, 7);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(status.writes, 0);
}

TEST_F(InfoRunTest, ConversionErrorKeepsThePartialTotals)
{
    EXPECT_THROW(measure("G1 X0 F60\nX10\nXabc\nX20\n"), ConversionError);
    EXPECT_EQ(context.totals.FTime, 10);
    EXPECT_EQ(context.totals.FFullTime, 0);
    EXPECT_EQ(context.totals.FLineNo, 3);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(status.panels.count(1) + status.panels.count(2), 0u);
    EXPECT_FALSE(progress.visible);
}

TEST_F(InfoRunTest, ProgressMaximumGrowsByHalf)
{
    std::string program;
    for (int i = 0; i < 400; ++i)
        program += "X1\n";  // 1200 bytes: an estimate of 9 lines
    measure(program);
    std::vector<std::string> maxima;
    for (const std::string& event : progress.events)
        if (event.rfind("max ", 0) == 0)
            maxima.push_back(event.substr(4));
    EXPECT_EQ(maxima, (std::vector<std::string>{"9", "13", "19", "28", "42", "63", "94", "141",
                                                "211", "316", "474"}));
}

TEST_F(InfoRunTest, QuittingEndsThePassWithoutADialog)
{
    TerminatingPump pump;
    pump.terminate = true;
    context.events = &pump;
    const auto info = measure(kCuts);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->lblLines, "1");
    EXPECT_TRUE(shown.empty());
}

TEST_F(InfoRunTest, PumpIsTimeSliced)
{
    TerminatingPump pump;
    context.events = &pump;
    run.pumpInterval = std::chrono::hours(1);
    measure(kCuts);
    EXPECT_EQ(pump.pumps, 0);
    run.pumpInterval = std::chrono::milliseconds(0);
    measure(kCuts);
    EXPECT_EQ(pump.pumps, 5);  // every line that is neither empty nor a comment
}

// The points the run adds to the path reach the view before each pump.
TEST_F(InfoRunTest, PointsAreHandedOnBeforeEachPump)
{
    struct CountingPump : EventPump {
        const InterpreterContext& context;
        std::vector<std::int32_t> counts;
        explicit CountingPump(const InterpreterContext& c) : context(c) {}
        void pump() override { counts.push_back(context.FPathPoints->Count()); }
        bool terminating() const override { return false; }
    } pump(context);
    context.events = &pump;
    run.pumpInterval = std::chrono::milliseconds(0);
    std::vector<std::int32_t> takenIn;
    run.pointsAdded = [&] { takenIn.push_back(context.FPathPoints->Count()); };
    measure(kCuts);
    EXPECT_EQ(takenIn.size(), 5u);
    EXPECT_EQ(takenIn, pump.counts);
}

TEST_F(InfoRunTest, SetAsBoxCopiesTheAxesOnly)
{
    measure(kCuts);
    context.programBox.gMinF = 5;
    context.programBox.gToolRadius = 3;
    SetAsBox(context.infoBox, context.programBox);
    const TProgramBox& box = context.programBox;
    EXPECT_EQ(box.gMinX, 10);
    EXPECT_EQ(box.gMaxX, 60);
    EXPECT_EQ(box.gMinY, 99999);
    EXPECT_EQ(box.gMaxY, -99999);
    EXPECT_EQ(box.gMinZ, 0);
    EXPECT_EQ(box.gMaxZ, 0);
    EXPECT_EQ(box.gMinF, 5);
    EXPECT_EQ(box.gToolRadius, 3);
}

}  // namespace
}  // namespace tarnix::testing
