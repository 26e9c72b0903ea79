#include "run_fakes.h"

#include <gtest/gtest.h>

#include <numeric>

namespace tarnix::testing {
namespace {

using State = TCNCDebuggerState;

std::vector<int> lineRange(int first, int last)
{
    std::vector<int> lines(last - first + 1);
    std::iota(lines.begin(), lines.end(), first);
    return lines;
}

TEST(Breakpoints, ToggleKeepsTheListAscendingAndIgnoresLinesBelowOne)
{
    RunBench run(20);
    run.engine.ToggleBreakpoint(9);
    run.engine.ToggleBreakpoint(3);
    const struct { int line; std::vector<int> list; } steps[] = {
        {7, {3, 7, 9}}, {7, {3, 9}}, {0, {3, 9}}, {-4, {3, 9}}, {10, {3, 9, 10}}, {3, {9, 10}}};
    for (const auto& step : steps) {
        run.engine.ToggleBreakpoint(step.line);
        EXPECT_EQ(run.engine.breakpoints(), step.list) << "toggling " << step.line;
    }
    EXPECT_EQ(run.window.breakpointEvents, (std::vector<int>{9, 3, 7, 7, 10, 3}));
}

TEST(Breakpoints, ClearRaisesOneEventOnlyWhenThereWasSomethingToClear)
{
    RunBench run(20);
    run.engine.ClearAllBreakpoints();
    EXPECT_TRUE(run.window.breakpointEvents.empty());
    run.engine.ToggleBreakpoint(4);
    run.engine.ToggleBreakpoint(8);
    run.engine.ClearAllBreakpoints();
    EXPECT_TRUE(run.engine.breakpoints().empty());
    EXPECT_EQ(run.window.breakpointEvents, (std::vector<int>{4, 8, -1}));
}

TEST(Run, BreakpointOnFivePausesThereWithTheButtonDown)
{
    RunBench run(20);
    run.engine.ToggleBreakpoint(5);
    run.engine.Run();
    EXPECT_EQ(run.interpreter.executed, lineRange(1, 5));
    EXPECT_EQ(run.engine.state(), State::paused);
    EXPECT_EQ(run.window.caret, 5);
    EXPECT_EQ(run.window.pauseButton, std::make_pair(true, 3));
    EXPECT_FALSE(run.window.liveRedraw);
    EXPECT_EQ(run.engine.GetLineInfo(5), 7);
    EXPECT_EQ(run.engine.GetLineInfo(4), 4);
    EXPECT_EQ(run.engine.GetLineInfo(0), 0);
}

// No run loop is there to put the button up after a pause: Stop does.
TEST(Stop, FromAPausePutsTheRunButtonUpWithTheRunImage)
{
    RunBench run(20);
    run.engine.ToggleBreakpoint(5);
    run.engine.Run();
    ASSERT_EQ(run.window.pauseButton, std::make_pair(true, 3));
    run.engine.Stop();
    EXPECT_EQ(run.engine.state(), State::stopped);
    EXPECT_EQ(run.engine.currentLine(), -1);
    EXPECT_EQ(run.window.pauseButton, std::make_pair(false, 0));
}

struct RunCase {
    const char* name;
    std::string firstLine, lastLine;
    std::set<int> pauseLines;
    int cursorLine;  // run to cursor when positive
    std::vector<int> executed;
    State endState;
};

class RunEnds : public ::testing::TestWithParam<RunCase> {};

TEST_P(RunEnds, ExecutesEachLineOnceAndEndsInTheExpectedState)
{
    const RunCase& c = GetParam();
    RunBench run(40);
    run.window.firstLine = c.firstLine;
    run.window.lastLine = c.lastLine;
    run.interpreter.pauseLines = c.pauseLines;
    if (c.cursorLine > 0)
        run.engine.GotoCursor(c.cursorLine);
    else
        run.engine.Run();
    EXPECT_EQ(run.interpreter.executed, c.executed);
    EXPECT_EQ(run.engine.state(), c.endState);
    EXPECT_EQ(run.engine.reachedEnd(), c.endState == State::stopped);
    EXPECT_EQ(run.engine.currentLine(), c.endState == State::stopped ? -1 : c.executed.back());
    EXPECT_EQ(run.engine.stopLine(), -1);
    EXPECT_EQ(run.window.clears, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, RunEnds, ::testing::Values(
    RunCase{"WholeProgram", "", "", {}, 0, lineRange(1, 40), State::stopped},
    RunCase{"FirstLineTen", "10", "", {}, 0, lineRange(10, 40), State::stopped},
    RunCase{"LastLineTwelve", "", "12", {}, 0, lineRange(1, 12), State::paused},
    RunCase{"FirstLineBelowOne", "-3", "", {}, 0, lineRange(1, 40), State::stopped},
    RunCase{"PauseOnChange", "", "", {6}, 0, lineRange(1, 6), State::paused},
    RunCase{"RunToCursor", "", "", {}, 30, lineRange(1, 30), State::paused}),
    [](const auto& info) { return info.param.name; });

TEST(Run, TwentyLinesEndStoppedReportingRunningThenStopped)
{
    RunBench run(20);
    run.engine.Run();
    EXPECT_EQ(run.interpreter.executed, lineRange(1, 20));
    EXPECT_EQ(run.window.stateChanges,
              (std::vector<std::pair<State, State>>{{State::stopped, State::running},
                                                    {State::running, State::stopped}}));
    EXPECT_EQ(run.window.pauseButton, std::make_pair(false, 0));
}

TEST(Run, YieldsEveryHundredMillisecondsOfLines)
{
    RunBench run(100);  // 10 ms a line
    run.engine.Run();
    // Before lines 11, 21, ..., 91 and before the step that finds the end.
    EXPECT_EQ(run.window.pumps, 10);
}

TEST(Run, DelaySleepsBeforeEveryStep)
{
    RunBench run(3);
    run.context.settings.cbDelay = true;
    run.context.settings.tbDelay = 7;
    run.engine.Run();
    EXPECT_EQ(run.clock.sleeps, (std::vector<int>{7, 7, 7, 7}));  // the last step finds the end
}

TEST(Step, FromStoppedExecutesLineOneAndReportsRunningToPaused)
{
    RunBench run(20);
    run.engine.Step();
    EXPECT_EQ(run.interpreter.executed, std::vector<int>{1});
    EXPECT_EQ(run.window.stateChanges,
              (std::vector<std::pair<State, State>>{{State::running, State::paused}}));
    run.engine.Step();
    EXPECT_EQ(run.interpreter.executed, (std::vector<int>{1, 2}));
    EXPECT_EQ(run.engine.state(), State::paused);
    run.engine.Run();  // resumes after line 2
    EXPECT_EQ(run.interpreter.executed, lineRange(1, 20));
}

// The run's yields, at 10 ms a line, come after lines 10, 20, ...
TEST(Yield, PauseTakesEffectAfterExactlyOneMoreLine)
{
    RunBench run(40);
    run.window.onPump = [&] { run.engine.Pause(); };
    run.engine.Run();
    EXPECT_EQ(run.interpreter.executed, lineRange(1, 11));
    EXPECT_EQ(run.engine.state(), State::paused);
}

TEST(Yield, StopExecutesNoFurtherLineAndTheNextRunStartsFresh)
{
    RunBench run(40);
    run.window.onPump = [&] { run.engine.Stop(); };
    run.engine.Run();
    EXPECT_EQ(run.interpreter.executed, lineRange(1, 10));
    EXPECT_EQ(run.engine.state(), State::stopped);
    EXPECT_EQ(run.engine.currentLine(), -1);
    EXPECT_EQ(run.window.pauseButton, std::make_pair(false, 0));
    EXPECT_FALSE(run.window.liveRedraw);
    EXPECT_FALSE(run.engine.reachedEnd());
    run.interpreter.executed.clear();
    run.engine.Run();
    EXPECT_EQ(run.interpreter.executed, lineRange(1, 40));
    EXPECT_TRUE(run.engine.reachedEnd());
    // A stop before the end of the next run does not count the last one.
    run.window.onPump = [&] { run.engine.Stop(); };
    run.engine.Run();
    EXPECT_FALSE(run.engine.reachedEnd());
}

TEST(Yield, ClosingTheApplicationStopsTheRun)
{
    RunBench run(40);
    run.window.closing = true;
    run.engine.Run();
    EXPECT_EQ(run.interpreter.executed, lineRange(1, 10));
    EXPECT_EQ(run.engine.state(), State::stopped);
    EXPECT_FALSE(run.engine.reachedEnd());
}

TEST(Yield, NestedRunToCursorEndsTheOuterRunWhereItPauses)
{
    RunBench run(60);
    run.window.onPump = [&] { run.engine.GotoCursor(40); };
    run.engine.Run();
    EXPECT_EQ(run.interpreter.executed, lineRange(1, 40));
    EXPECT_EQ(run.engine.state(), State::paused);
    EXPECT_EQ(run.engine.currentLine(), 40);
    EXPECT_EQ(run.engine.stopLine(), -1);
    EXPECT_FALSE(run.window.liveRedraw);
}

TEST(Failure, ALineThatThrowsPausesTheRunOnItAndStopThenRunStartsAgain)
{
    RunBench run(20);
    run.interpreter.failingLine = 7;
    EXPECT_THROW(run.engine.Run(), ConversionError);
    EXPECT_EQ(run.engine.state(), State::paused);
    EXPECT_EQ(run.engine.currentLine(), 7);
    EXPECT_FALSE(run.window.liveRedraw);
    EXPECT_TRUE(run.engine.CanRun());
    run.engine.Stop();
    run.interpreter.failingLine = -1;
    run.interpreter.executed.clear();
    run.engine.Run();
    EXPECT_EQ(run.interpreter.executed, lineRange(1, 20));
    EXPECT_EQ(run.engine.state(), State::stopped);
}

TEST(Failure, AFirstStepThatThrowsLeavesTheEnginePausedOnLineOne)
{
    RunBench run(20);
    run.interpreter.failingLine = 1;
    EXPECT_THROW(run.engine.Step(), ConversionError);
    EXPECT_EQ(run.engine.state(), State::paused);
    EXPECT_EQ(run.engine.currentLine(), 1);
}

TEST(Failure, ALastLineThatIsNoNumberFailsTheRun)
{
    RunBench run(20);
    run.window.lastLine = "twelve";
    EXPECT_THROW(run.engine.Run(), ConversionError);
    EXPECT_EQ(run.interpreter.executed, std::vector<int>{1});
}

}  // namespace
}  // namespace tarnix::testing
