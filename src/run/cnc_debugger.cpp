#include "run/cnc_debugger.h"

#include "common/number_text.h"
#include "interpretation/status_bar_writer.h"

#include <algorithm>
#include <string>

namespace tarnix {

namespace {
constexpr std::int64_t yieldIntervalMs = 100;
constexpr int runImage = 0;
constexpr int pauseImage = 3;
}  // namespace

bool TCNCDebugger::IsBreakpointLine(int line) const
{
    return line >= 1 && std::binary_search(FBreakpoints.begin(), FBreakpoints.end(), line);
}

int TCNCDebugger::GetLineInfo(int line) const
{
    if (line < 1)
        return 0;
    int info = lineExecutable;
    if (line == FCurrentLine)
        info |= lineCurrent;
    if (IsBreakpointLine(line))
        info |= lineBreakpoint;
    return info;
}

bool TCNCDebugger::ShouldBreak() const
{
    if (FCurrentLine == FStopLine)
        return true;
    return !FBreakpoints.empty() && IsBreakpointLine(FCurrentLine);
}

void TCNCDebugger::ToggleBreakpoint(int line)
{
    if (line < 1)
        return;
    const auto at = std::lower_bound(FBreakpoints.begin(), FBreakpoints.end(), line);
    if (at != FBreakpoints.end() && *at == line)
        FBreakpoints.erase(at);
    else
        FBreakpoints.insert(at, line);
    DoBreakpointChanged(line);
}

void TCNCDebugger::ClearAllBreakpoints()
{
    if (FBreakpoints.empty())
        return;
    FBreakpoints.clear();
    DoBreakpointChanged(-1);
}

void TCNCDebugger::DoStateChange()
{
    if (FWantedState == FState)
        return;
    if (FWantedState == TCNCDebuggerState::stopped)
        FCurrentLine = -1;
    if (events != nullptr)
        events->OnStateChange(FState, FWantedState);
    FState = FWantedState;
    if (FState != TCNCDebuggerState::running)
        FStopLine = -1;
    DoCurrentLineChange();
}

void TCNCDebugger::DoBreakpointChanged(int line)
{
    if (events != nullptr)
        events->OnBreakpointChange(line);
}

void TCNCDebugger::DoCurrentLineChange()
{
    if (events != nullptr)
        events->OnCurrentLineChange();
}

void TCNCDebugger::DoYield()
{
    if (yield != nullptr)
        yield->pump();
}

void TCNCDebugger::Pause()
{
    if (FState == TCNCDebuggerState::running)
        FWantedState = TCNCDebuggerState::paused;
}

void TCNCDebugger::Stop()
{
    FWantedState = TCNCDebuggerState::stopped;
    links_.panel.setPauseButton(false, runImage);
    DoStateChange();
}

void TCNCDebugger::GotoCursor(int line)
{
    FStopLine = line;
    Run();
}

void TCNCDebugger::Run()
{
    if (FState == TCNCDebuggerState::stopped) {
        FReachedEnd = false;
        links_.view.ClearPath();
        SetStatusBar(links_.context, -1);
        const std::string first = links_.panel.startPointText();
        // A first line below 1 starts at line 1: lines before it would each
        // execute the line under the caret.
        FNextLine = first.empty() ? 0 : std::max(parseInt(first), 1) - 1;
    }
    FWantedState = TCNCDebuggerState::running;
    DoStateChange();
    std::int64_t deadline = links_.clock.tickCount() + yieldIntervalMs;
    links_.view.setLiveRedraw(true);
    try {
        do {
            if (links_.clock.tickCount() >= deadline) {
                DoYield();
                if (yield != nullptr && yield->terminating() && FState != TCNCDebuggerState::stopped)
                    Stop();
                deadline = links_.clock.tickCount() + yieldIntervalMs;
            }
            // A Stop, or a nested run that paused or stopped, entered from the
            // yield ends this run before its next line.
            if (FState == TCNCDebuggerState::running)
                Step();
            if (FWantedState != FState)
                DoStateChange();
            if (FWantedState == TCNCDebuggerState::paused)
                showPaused();
            if (FWantedState == TCNCDebuggerState::stopped) {
                links_.panel.setPauseButton(false, runImage);
                SetStatusBar(links_.context, 2);
            }
        } while (FState == TCNCDebuggerState::running);
    } catch (...) {
        // A line that failed pauses the run on it, so that it can be resumed
        // or stopped; a state left running would have no loop to apply a
        // pause and would keep the live redraw on.
        if (FState == TCNCDebuggerState::running) {
            FWantedState = TCNCDebuggerState::paused;
            DoStateChange();
            showPaused();
        }
        leaveRunLoop();
        throw;
    }
    leaveRunLoop();
}

void TCNCDebugger::showPaused()
{
    links_.view.RenderScene();
    links_.panel.setPauseButton(true, pauseImage);
    SetStatusBar(links_.context, 2);
}

void TCNCDebugger::leaveRunLoop()
{
    links_.view.RenderScene();
    FStopLine = -1;
    links_.view.setLiveRedraw(false);
}

void TCNCDebugger::Step()
{
    if (FState == TCNCDebuggerState::stopped)
        stepFromStopped();
    else
        stepOn();
}

void TCNCDebugger::stepFromStopped()
{
    FReachedEnd = false;
    FNextLine = 1;
    FCurrentLine = 1;
    FWantedState = TCNCDebuggerState::paused;
    DoCurrentLineChange();
    // Observers see running -> paused, also when line 1 fails: the engine is
    // then paused on it rather than stopped with a current line.
    const auto enterPaused = [this] {
        FWantedState = TCNCDebuggerState::paused;
        FState = TCNCDebuggerState::running;
        DoStateChange();
    };
    try {
        executeCaretLine();
    } catch (...) {
        enterPaused();
        throw;
    }
    enterPaused();
}

void TCNCDebugger::stepOn()
{
    if (FState == TCNCDebuggerState::paused) {
        SetStatusBar(links_.context, 2);
        SetStatusBar(links_.context, 1);
        SetStatusBar(links_.context, 0);
    }
    if (links_.context.settings.cbDelay)
        links_.clock.sleep(links_.context.settings.tbDelay);
    FCurrentLine = ++FNextLine;
    if (ShouldBreak())
        FWantedState = TCNCDebuggerState::paused;
    DoCurrentLineChange();
    if (FCurrentLine > links_.editor.lineCount()) {
        FReachedEnd = true;
        FWantedState = TCNCDebuggerState::stopped;
        return;
    }
    executeCaretLine();
    const std::string last = links_.panel.stopPointText();
    if (!last.empty() && parseInt(last) == FCurrentLine)
        FWantedState = TCNCDebuggerState::paused;
}

void TCNCDebugger::executeCaretLine()
{
    const int line = links_.editor.caretLine();
    if (!links_.interpreter.executeLine(links_.editor.lineText(line), line))
        FWantedState = TCNCDebuggerState::paused;
}

}  // namespace tarnix
