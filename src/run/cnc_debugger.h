#pragma once
// The run engine: walks the program in the editor one line at a time, with
// run, pause, single step, stop, run to cursor and breakpoints. A run is no
// thread: Run loops inside the handler that called it and keeps the window
// alive through the yield at most every 100 ms; handlers entered from the
// yield mostly set the wanted state, which the loop applies between lines.

#include "common/sinks.h"
#include "interpretation/interpreter_context.h"
#include "run/cnc_debugger_state.h"
#include "run/run_clock.h"
#include "run/run_editor.h"
#include "run/run_events.h"
#include "run/run_line_interpreter.h"
#include "run/run_panel.h"
#include "run/run_view.h"

#include <cstdint>
#include <vector>

namespace tarnix {

class TCNCDebugger {
public:
    // The window's side of a run. The context gives the delay settings and
    // the status bar.
    struct Links {
        RunEditor& editor;
        RunPanel& panel;
        RunView& view;
        RunLineInterpreter& interpreter;
        InterpreterContext& context;
        RunClock& clock;
    };

    // Bits of GetLineInfo.
    static constexpr int lineCurrent = 1;
    static constexpr int lineBreakpoint = 2;
    static constexpr int lineExecutable = 4;

    explicit TCNCDebugger(const Links& links) : links_(links) {}

    // The events; null until the window assigns them.
    RunEvents* events = nullptr;
    // The yield: pumps the window's messages. When the application is
    // terminating the run stops.
    EventPump* yield = nullptr;

    bool IsRunning() const { return FState == TCNCDebuggerState::running; }
    bool CanPause() const { return IsRunning(); }
    bool CanRun() const { return !IsRunning(); }
    bool IsBreakpointLine(int line) const;
    bool IsExecutableLine(int) const { return true; }
    int GetLineInfo(int line) const;
    bool ShouldBreak() const;

    void ToggleBreakpoint(int line);
    void ClearAllBreakpoints();

    void Run();
    void Step();
    void Pause();
    void Stop();
    void GotoCursor(int line);

    // Whether the latest run went past the program's last line; a run
    // stopped or paused before it did not.
    bool reachedEnd() const { return FReachedEnd; }
    // The line executed by the latest step; -1 when stopped or fresh.
    int currentLine() const { return FCurrentLine; }
    TCNCDebuggerState state() const { return FState; }
    TCNCDebuggerState wantedState() const { return FWantedState; }
    int stopLine() const { return FStopLine; }
    int nextLine() const { return FNextLine; }
    // Ascending, no duplicates, every line at least 1.
    const std::vector<int>& breakpoints() const { return FBreakpoints; }

private:
    void DoStateChange();
    void DoBreakpointChanged(int line);
    void DoCurrentLineChange();
    void DoYield();

    void stepFromStopped();
    void stepOn();
    void executeCaretLine();
    void showPaused();
    void leaveRunLoop();

    Links links_;
    std::vector<int> FBreakpoints;
    int FCurrentLine = -1;
    TCNCDebuggerState FState = TCNCDebuggerState::stopped;
    int FStopLine = 0;
    int FNextLine = 0;
    TCNCDebuggerState FWantedState = TCNCDebuggerState::stopped;
    bool FReachedEnd = false;
};

}  // namespace tarnix
