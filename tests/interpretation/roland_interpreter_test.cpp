#include "common/errors.h"
#include "common/text_encoding.h"
#include "interpretation/roland_interpreter.h"
#include "recording_sinks.h"

#include <gtest/gtest.h>

namespace tarnix::testing {
namespace {

class RolandInterpreterTest : public ::testing::Test {
protected:
    RolandInterpreterTest() { context.status = &status; }

    bool parse(const std::string& command) { return interpreter.ParseRolandStr(command, ++lineNo); }
    bool simulate(const std::string& command) { return interpreter.SimulateRolandStr(command, ++lineNo); }
    TPathPoint lastPoint() const { return context.FPathPoints->Last(); }
    std::int32_t pointCount() const { return context.FPathPoints->Count(); }

    InterpreterContext context;
    RecordingStatus status;
    RolandInterpreter interpreter{context};
    std::int32_t lineNo = 0;
};

TEST(RolandGetNum, DropsOneLeadingZAndConvertsTheRest)
{
    EXPECT_EQ(RolandInterpreter::GetNum("Z300"), 300);
    EXPECT_EQ(RolandInterpreter::GetNum("-12.5"), -12.5);
    EXPECT_THROW(RolandInterpreter::GetNum("Z"), ConversionError);
    EXPECT_THROW(RolandInterpreter::GetNum(""), ConversionError);
    EXPECT_THROW(RolandInterpreter::GetNum("ZZ1"), ConversionError);
    EXPECT_THROW(RolandInterpreter::GetNum("1,5"), ConversionError);
}

TEST_F(RolandInterpreterTest, ZCommandCutsItsPiecesAtCommas)
{
    parse("Z100,200,300");
    EXPECT_EQ(context.state.gX, 100);
    EXPECT_EQ(context.state.gY, 200);
    EXPECT_EQ(context.state.gZ, 300);

    parse("Z1,7");  // X and Z; Y kept
    EXPECT_EQ(context.state.gX, 1);
    EXPECT_EQ(context.state.gY, 200);
    EXPECT_EQ(context.state.gZ, 7);

    parse("Z-5");  // Z only
    EXPECT_EQ(context.state.gX, 1);
    EXPECT_EQ(context.state.gZ, -5);

    parse("Z1,2,3,4");  // every middle piece goes to Y
    EXPECT_EQ(context.state.gX, 1);
    EXPECT_EQ(context.state.gY, 3);
    EXPECT_EQ(context.state.gZ, 4);
}

TEST_F(RolandInterpreterTest, EveryCommandAppendsOnePointAtTheStateAfterIt)
{
    context.state.gFeed = 10;
    parse("Z100,200,300");
    EXPECT_DOUBLE_EQ(static_cast<double>(lastPoint().X), 0.01);
    EXPECT_DOUBLE_EQ(static_cast<double>(lastPoint().Y), 0.02);
    EXPECT_DOUBLE_EQ(static_cast<double>(lastPoint().Z), 0.03);
    EXPECT_EQ(lastPoint().LineNo, 1);

    for (const char* other : {"!MC1", "^PA", "PU", "z1,2,3", ""}) {
        parse(other);
        EXPECT_EQ(lastPoint().LineNo, lineNo) << other;
        EXPECT_DOUBLE_EQ(static_cast<double>(lastPoint().X), 0.01) << other;
        EXPECT_EQ(lastPoint().Feed, 10) << other;
        EXPECT_FALSE(lastPoint().Rapid) << other;
    }
    EXPECT_EQ(pointCount(), 6);
    EXPECT_EQ(context.state.gX, 100);

    parse("V15");  // at the unchanged position, with the new speed
    EXPECT_EQ(pointCount(), 7);
    EXPECT_EQ(lastPoint().Feed, 15);
    EXPECT_DOUBLE_EQ(static_cast<double>(lastPoint().Z), 0.03);
}

TEST_F(RolandInterpreterTest, ExactlySixtyFourMarksTravel)
{
    const GLColor rapidColor = context.settings.FG0ColorGL;
    parse("V64");
    EXPECT_TRUE(lastPoint().Rapid);
    EXPECT_EQ(lastPoint().Color[0], rapidColor[0]);
    parse("Z0,0,100");
    EXPECT_TRUE(lastPoint().Rapid);
    parse("V64.0");
    EXPECT_TRUE(lastPoint().Rapid);
    parse("V63.9");
    EXPECT_FALSE(lastPoint().Rapid);
    EXPECT_EQ(lastPoint().Color[1], context.settings.FG1ColorGL[1]);

    parse("F64");  // the Z speed alone is enough
    parse("Z1,1,1");
    EXPECT_TRUE(lastPoint().Rapid);
    EXPECT_EQ(context.state.gFeedZ, 64);
}

TEST_F(RolandInterpreterTest, SpeedChangeAsksToPauseOnlyUnderFChange)
{
    EXPECT_TRUE(parse("V15"));
    context.settings.cbFchange = true;
    EXPECT_FALSE(parse("V20"));
    EXPECT_EQ(context.state.gFeed, 20);
    EXPECT_FALSE(parse("F5"));
    EXPECT_EQ(context.state.gFeedZ, 5);
    EXPECT_TRUE(parse("Z1,2,3"));
    EXPECT_EQ(pointCount(), 4);
}

TEST_F(RolandInterpreterTest, BadNumberRaisesAndAppendsNoPoint)
{
    for (const char* bad : {"V", "Z", "Fabc", "Z100,,300", "V 1 2"})
        EXPECT_THROW(parse(bad), ConversionError) << bad;
    EXPECT_EQ(pointCount(), 0);

    EXPECT_THROW(parse("Z1,x,3"), ConversionError);
    EXPECT_EQ(context.state.gX, 1);  // stored before the failing piece
    EXPECT_EQ(context.state.gZ, 0);
}

TEST_F(RolandInterpreterTest, SimulationMeasuresFromTheOrigin)
{
    context.state.gFeed = 10;
    simulate("Z100,200,300");
    EXPECT_NEAR(context.totals.FLength, 3.7417, 1e-4);
    EXPECT_NEAR(context.totals.FTime, 0.37417, 1e-5);
    EXPECT_EQ(context.totals.FPrevX, 100);
    EXPECT_EQ(context.totals.FPrevZ, 300);
    EXPECT_FALSE(context.totals.FFirstMove);

    simulate("PU");  // no move, nothing added
    EXPECT_NEAR(context.totals.FLength, 3.7417, 1e-4);
}

TEST_F(RolandInterpreterTest, SpeedZeroCountsAsHalf)
{
    simulate("Z100,0,0");  // length 1
    EXPECT_DOUBLE_EQ(context.totals.FLength, 1);
    EXPECT_DOUBLE_EQ(context.totals.FTime, 2);
}

TEST_F(RolandInterpreterTest, StatusOnlyWhileSlowedOrPausing)
{
    simulate("V15");
    context.settings.cbDelay = true;  // track bar still at 0
    simulate("F5");
    EXPECT_EQ(status.writes, 0);

    context.settings.tbDelay = 10;
    simulate("Z100,200,300");
    EXPECT_EQ(status.panels[0], "100, 200, 300");
    EXPECT_EQ(status.panels[1], "V:15, F:5, S:0");
    EXPECT_EQ(status.panels[2].rfind("Line 1  Time ", 0), 0u);
    EXPECT_EQ(status.blockLabel, "Z100,200,300");

    context.settings.cbDelay = false;
    context.settings.cbFchange = true;
    simulate("V7");  // a pausing command shows itself
    EXPECT_EQ(status.panels[1], "V:7, F:5, S:0");
    EXPECT_EQ(status.blockLabel, "V7");
}

TEST_F(RolandInterpreterTest, BlockLabelIsDecodedProgramText)
{
    context.settings.cbDelay = true;
    context.settings.tbDelay = 1;
    simulate(encodeWindows1251("!Фреза"));
    EXPECT_EQ(status.blockLabel, "!Фреза");
}

}  // namespace
}  // namespace tarnix::testing
