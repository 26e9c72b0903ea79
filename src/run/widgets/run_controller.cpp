#include "run/widgets/run_controller.h"

#include "common/number_text.h"
#include "common/widgets/deferred_error.h"
#include "interpretation/status_bar_writer.h"
#include "run/fresh_run.h"
#include "run/start_point_scan.h"
#include "run/widgets/run_panel_widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>
#include <Qsci/qsciscintilla.h>

namespace tarnix {
namespace {

constexpr int pauseImage = 3;
constexpr int idleTimerInterval = 100;
constexpr int runTimerInterval = 50;
constexpr int stepRepeatAfterMs = 1000;

}  // namespace

RunController::RunController(QsciScintilla& SynEdit, RunPanelWidget& panel, InterpreterContext& context,
                             EventPump& windowPump, WindowHooks hooks)
    : SynEdit_(SynEdit),
      panel_(panel),
      context_(context),
      windowPump_(windowPump),
      hooks_(std::move(hooks)),
      editor_(SynEdit),
      interpreter_(context),
      FDebugger({editor_, panel, *this, interpreter_, context, clock_}),
      plugin_(SynEdit, FDebugger)
{
    beep = [] { QApplication::beep(); };
    FDebugger.events = this;
    FDebugger.yield = this;
    context_.runActive = [this] { return FDebugger.IsRunning(); };

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(idleTimerInterval);
    connect(Timer1, &QTimer::timeout, this, guard([this] { Timer11Timer(); }));
    Timer1->start();
    connectPanel();
}

RunController::~RunController()
{
    context_.runActive = [] { return false; };
}

void RunController::connectPanel()
{
    RunPanelWidget& p = panel_;
    connect(p.tbtnPause, &QToolButton::clicked, this, guard([this] { tbtnPauseClick(); }));
    connect(p.tbtnGotoCursor, &QToolButton::clicked, this, guard([this] { tbtnGotoCursorClick(); }));
    connect(p.tbtnStep, &QToolButton::clicked, this, guard([this] { tbtnStepClick(); }));
    connect(p.tbtnStop, &QToolButton::clicked, this, guard([this] { tbtnStopClick(); }));
    connect(p.tbtnToggleBreakpoint, &QToolButton::clicked, this, guard([this] { tbtnToggleBreakpointClick(); }));
    connect(p.tbtnClearAllBreakpoints, &QToolButton::clicked, this,
            guard([this] { tbtnClearAllBreakpointsClick(); }));
    connect(p.cbCanSmoothDraw, &QCheckBox::toggled, this, [this] { cbCanSmoothDrawClick(); });
    connect(&plugin_, &TDebugSupportPlugin::gutterClicked, this, guard([this](int line) { gutterClick(line); }));
    p.tbtnStep->installEventFilter(this);
}

bool RunController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panel_.tbtnStep) {
        if (event->type() == QEvent::MouseButtonPress) {
            FStepHeld = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            FStepHeld = false;
            FStepHeldMs = 0;
        }
    }
    return QObject::eventFilter(watched, event);
}

// --- The tool bar ------------------------------------------------------------

void RunController::tbtnPauseClick()
{
    if (FDebugger.CanRun()) {
        if (FDebugger.currentLine() == -1)
            freshRunSetUp();
        hooks_.clearOutEdit();
        FDebugger.Run();
    }
    if (FDebugger.CanPause())
        FDebugger.Pause();
}

void RunController::freshRunSetUp()
{
    startFreshRun(context_, FTransforming && hooks_.transformPageActive());
    Timer1->start();
    const std::string first = panel_.startPointText();
    if (!first.empty()) {
        const int line = parseInt(first);
        for (char letter : {'X', 'Y', 'Z', 'G'})
            findInStr(letter, line);
    }
    panel_.setPauseButton(false, pauseImage);
    Timer1->setInterval(runTimerInterval);
    SetStatusBar(context_, 2);
}

bool RunController::findInStr(char letter, int line)
{
    editor_.putCaretOnLineAt(line, editor_.caretColumn());
    // Only the lines before the start line count: the search begins at its
    // first column, wherever the caret stands on it.
    const int startLine = std::clamp(line, 1, std::max(editor_.lineCount(), 1));
    const bool found = SynEdit_.findFirst(QString(QChar(letter)), false, false, false, false, false, startLine - 1, 0);
    if (!found) {
        if (letter != 'G')
            beep();
        return false;
    }
    return readStartPointLine(letter, editor_.lineText(editor_.caretLine()), context_.state);
}

void RunController::gutterClick(int line)
{
    // The editor reports the rows below the text as its last line, and the
    // empty line after the last line end as one more; a run ends before
    // either, so a breakpoint there would never stop it.
    if (line <= editor_.lineCount())
        FDebugger.ToggleBreakpoint(line);
}

void RunController::tbtnStopClick()
{
    FDebugger.Stop();
}

void RunController::tbtnStepClick()
{
    FDebugger.Step();
    hooks_.RenderScene();
}

void RunController::tbtnGotoCursorClick()
{
    FDebugger.GotoCursor(editor_.caretLine());
}

void RunController::tbtnToggleBreakpointClick()
{
    FDebugger.ToggleBreakpoint(editor_.caretLine());
}

void RunController::tbtnClearAllBreakpointsClick()
{
    FDebugger.ClearAllBreakpoints();
}

void RunController::cbCanSmoothDrawClick()
{
    FLiveRedraw = !panel_.cbCanSmoothDraw->isChecked() || !FDebugger.IsRunning();
}

void RunController::Timer11Timer()
{
    if (FLiveRedraw) {
        QElapsedTimer rendering;
        rendering.start();
        hooks_.renderIfChanged();
        Timer1->setInterval(static_cast<int>(rendering.elapsed()) + 10);
    }
    if (FStepHeld) {
        FStepHeldMs += Timer1->interval();
        if (FStepHeldMs > stepRepeatAfterMs && FStepHeldMs % 10 == 0) {
            try {
                tbtnStepClick();
            } catch (...) {
                // The error box takes the mouse: the release that ends the
                // hold would never come, and every tick would fail again.
                FStepHeld = false;
                FStepHeldMs = 0;
                throw;
            }
        }
    }
}

// --- The engine's events -----------------------------------------------------

void RunController::OnBreakpointChange(int line)
{
    if (line >= 1 && line <= editor_.lineCount())
        plugin_.repaintLine(line);
    else
        plugin_.repaintAll();
}

void RunController::OnCurrentLineChange()
{
    SetDebugLine(FDebugger.currentLine());
    if (!FDebugger.IsRunning())
        showDebugLine();
}

void RunController::OnStateChange(TCNCDebuggerState, TCNCDebuggerState newState)
{
    const char* text = newState == TCNCDebuggerState::running  ? "Program is running"
                       : newState == TCNCDebuggerState::paused ? "Program is paused"
                                                               : "Ready";
    if (context_.status != nullptr)
        context_.status->setPanel(3, std::string(" ") + text);
}

void RunController::SetDebugLine(int ALine)
{
    if (ALine == FDebugLine)
        return;
    FDebugLine = ALine;
    // Each step executes the line under the caret.
    if (ALine > 0 && editor_.caretLine() != ALine)
        editor_.putCaretOnLine(ALine);
}

void RunController::showDebugLine()
{
    if (shownDebugLine_ != FDebugLine) {
        const int old = shownDebugLine_;
        shownDebugLine_ = FDebugLine;
        plugin_.repaintLine(old);
        plugin_.repaintLine(FDebugLine);
    }
    // A run that has stopped leaves the caret on the last line it ran (the
    // step past the end clamps it there): the editor shows that line, not
    // wherever the run's last pump had scrolled it.
    if (FDebugLine > 0 || FDebugger.state() == TCNCDebuggerState::stopped)
        editor_.showCaret();
}

void RunController::pump()
{
    showDebugLine();
    windowPump_.pump();
}

// --- The view ----------------------------------------------------------------

void RunController::ClearPath()
{
    hooks_.ClearPath();
    // A fresh transformation run collects its lines anew.
    if (FTransforming)
        hooks_.clearOutEdit();
}

void RunController::RenderScene()
{
    hooks_.RenderScene();
}

}  // namespace tarnix
