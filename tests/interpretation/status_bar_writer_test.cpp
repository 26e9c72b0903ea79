#include "interpretation/status_bar_writer.h"
#include "recording_sinks.h"

#include <gtest/gtest.h>

using namespace tarnix;
using tarnix::testing::RecordingStatus;

class StatusBarWriter : public ::testing::Test {
protected:
    StatusBarWriter() { context.status = &status; }

    InterpreterContext context;
    RecordingStatus status;
};

TEST_F(StatusBarWriter, PositionJoinedByCommas)
{
    context.state.gX = 10.5;
    context.state.gZ = -2;
    SetStatusBar(context, 0);
    EXPECT_EQ(status.panels[0], "10.5, 0, -2");
}

TEST_F(StatusBarWriter, FeedsByProgramKind)
{
    context.state.gFeed = 1200;
    context.state.gFeedZ = 300;
    context.state.gSpindle = 18000;
    SetStatusBar(context, 1);
    EXPECT_EQ(status.panels[1], "F:1200, Fz:300, S:18000");
    context.settings.programKind = ProgramKind::Roland;
    SetStatusBar(context, 1);
    EXPECT_EQ(status.panels[1], "V:1200, F:300, S:18000");
    context.settings.programKind = ProgramKind::None;
    status.panels[1] = "kept";
    SetStatusBar(context, 1);
    EXPECT_EQ(status.panels[1], "kept");
}

TEST_F(StatusBarWriter, LineTimeAndLengthFromTheCaretLine)
{
    context.caretLine = [] { return 12; };
    context.totals.FTime = 3725.4;
    context.totals.FLength = 12345.6789;
    SetStatusBar(context, 2);
    EXPECT_EQ(status.panels[2], "Line 12  Time  1: 2: 5  Length(m) 12.346");
}

TEST_F(StatusBarWriter, MinusOneClearsTheFirstThreePanelsAndOtherModesDoNothing)
{
    SetStatusBar(context, 0);
    SetStatusBar(context, 1);
    SetStatusBar(context, 2);
    status.panels[3] = "Ready";
    SetStatusBar(context, -1);
    EXPECT_EQ(status.panels[0], "");
    EXPECT_EQ(status.panels[1], "");
    EXPECT_EQ(status.panels[2], "");
    EXPECT_EQ(status.panels[3], "Ready");
    int writes = status.writes;
    SetStatusBar(context, 3);
    SetStatusBar(context, 7);
    EXPECT_EQ(status.writes, writes);
}
