#pragma once
// The window's side of a run: the handlers of the "Debug" tool bar and the
// run options, the run set-up, Timer1, and the answers to the engine's
// events in the program editor and the status bar. Wires the engine to the
// editor (SynEditRunEditor, TDebugSupportPlugin), to the run panel and,
// through WindowHooks, to the tool-path view.

#include "interpretation/interpreter_context.h"
#include "run/cnc_debugger.h"
#include "run/program_line_interpreter.h"
#include "run/widgets/debug_support_plugin.h"
#include "run/widgets/syn_edit_run_editor.h"

#include <QObject>

#include <functional>

class QTimer;
class QsciScintilla;

namespace tarnix {

class RunPanelWidget;

class RunController : public QObject, private RunView, private RunEvents, private EventPump {
    Q_OBJECT

public:
    // What the run needs of the main window.
    struct WindowHooks {
        std::function<void()> ClearPath;
        std::function<void()> RenderScene;
        // Draws the view only when something it shows changed since it
        // was last drawn: Timer1's live redraw.
        std::function<void()> renderIfChanged;
        // Empties FOutEdit, the converted lines.
        std::function<void()> clearOutEdit;
        // The program or the Explorer page is the active one: a
        // transformation converts only from these.
        std::function<bool()> transformPageActive;
    };

    // `windowPump` pumps the window's messages and tells when it closes.
    RunController(QsciScintilla& SynEdit, RunPanelWidget& panel, InterpreterContext& context,
                  EventPump& windowPump, WindowHooks hooks);
    ~RunController() override;

    TCNCDebugger& debugger() { return FDebugger; }
    TDebugSupportPlugin& marks() { return plugin_; }
    QTimer* timer() const { return Timer1; }

    // Set by the transformation command around its run: a fresh run then
    // switches the converter on.
    bool FTransforming = false;
    // The system beep of the start-point scan; tests count it.
    std::function<void()> beep;

    void tbtnPauseClick();
    void tbtnStopClick();
    void tbtnStepClick();
    void tbtnGotoCursorClick();
    void tbtnToggleBreakpointClick();
    void tbtnClearAllBreakpointsClick();
    // A click in the editor's gutter on `line` (from 1): toggles its
    // breakpoint when the engine has that line.
    void gutterClick(int line);
    void cbCanSmoothDrawClick();
    void Timer11Timer();
    // The start-point scan for `letter` before `line`.
    bool findInStr(char letter, int line);

    int debugLine() const { return FDebugLine; }
    // FLiveRedraw: Timer1 redraws the view while it is set. The engine sets
    // it for a run; a modal box sets it while it is shown (LiveRedrawWhileShown).
    bool liveRedraw() const { return FLiveRedraw; }
    void setLiveRedraw(bool on) override { FLiveRedraw = on; }

private:
    void freshRunSetUp();
    void SetDebugLine(int ALine);
    // Shows the current line's marks and the caret, held back while a run
    // goes on so that lines are not painted one by one.
    void showDebugLine();
    void connectPanel();
    // tbtnStepMouseDown and tbtnStepMouseUp.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // RunView
    void ClearPath() override;
    void RenderScene() override;
    // RunEvents
    void OnBreakpointChange(int line) override;
    void OnCurrentLineChange() override;
    void OnStateChange(TCNCDebuggerState oldState, TCNCDebuggerState newState) override;
    // EventPump: the engine's yield.
    void pump() override;
    bool terminating() const override { return windowPump_.terminating(); }

    QsciScintilla& SynEdit_;
    RunPanelWidget& panel_;
    InterpreterContext& context_;
    EventPump& windowPump_;
    WindowHooks hooks_;

    SynEditRunEditor editor_;
    ProgramLineInterpreter interpreter_;
    SteadyRunClock clock_;
    TCNCDebugger FDebugger;
    TDebugSupportPlugin plugin_;
    QTimer* Timer1 = nullptr;

    int FDebugLine = -1;
    // The line whose marks the editor shows.
    int shownDebugLine_ = -1;
    bool FLiveRedraw = false;
    bool FStepHeld = false;
    int FStepHeldMs = 0;
};

// Keeps Timer1 drawing the view behind a modal box for as long as it lives,
// then gives the flag back as it found it: a run that was being drawn when
// the box opened goes on being drawn when it closes.
class LiveRedrawWhileShown {
public:
    explicit LiveRedrawWhileShown(RunController& run) : run_(run), before_(run.liveRedraw())
    {
        run_.setLiveRedraw(true);
    }
    ~LiveRedrawWhileShown() { run_.setLiveRedraw(before_); }
    LiveRedrawWhileShown(const LiveRedrawWhileShown&) = delete;
    LiveRedrawWhileShown& operator=(const LiveRedrawWhileShown&) = delete;

private:
    RunController& run_;
    bool before_;
};

}  // namespace tarnix
