#pragma once
// A window, an editor, a clock and an interpreter for driving the run engine
// without Qt and without waiting.

#include "common/errors.h"
#include "run/cnc_debugger.h"

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tarnix::testing {

// Every executed line costs `msPerLine` on the fake clock.
class FakeClock : public RunClock {
public:
    std::int64_t tickCount() override { return now; }
    void sleep(int milliseconds) override { now += milliseconds; sleeps.push_back(milliseconds); }

    std::int64_t now = 0;
    std::vector<int> sleeps;
};

class RecordingInterpreter : public RunLineInterpreter {
public:
    explicit RecordingInterpreter(FakeClock& clock) : clock_(clock) {}
    bool executeLine(std::string_view text, std::int32_t lineNo) override
    {
        clock_.now += msPerLine;
        if (lineNo == failingLine)
            throw ConversionError("'x' is not a valid floating point value");
        executed.push_back(lineNo);
        texts.emplace_back(text);
        return pauseLines.count(lineNo) == 0;
    }

    int msPerLine = 10;
    int failingLine = -1;
    std::set<int> pauseLines;
    std::vector<int> executed;
    std::vector<std::string> texts;

private:
    FakeClock& clock_;
};

// The window: editor, run panel, view, the engine's events (moving the caret
// to the current line, as the window's handler does) and the yield.
class FakeWindow : public RunEditor, public RunPanel, public RunView, public RunEvents, public EventPump {
public:
    explicit FakeWindow(int lines)
    {
        for (int i = 1; i <= lines; ++i)
            text.push_back("N" + std::to_string(i));
    }

    int lineCount() const override { return static_cast<int>(text.size()); }
    int caretLine() const override { return caret; }
    std::string lineText(int line) const override
    {
        return line >= 1 && line <= lineCount() ? text[line - 1] : std::string();
    }

    std::string startPointText() const override { return firstLine; }
    std::string stopPointText() const override { return lastLine; }
    void setPauseButton(bool down, int image) override { pauseButton = {down, image}; }

    void ClearPath() override { ++clears; }
    void RenderScene() override { ++renders; }
    void setLiveRedraw(bool on) override { liveRedraw = on; }

    void OnBreakpointChange(int line) override { breakpointEvents.push_back(line); }
    void OnCurrentLineChange() override
    {
        const int line = engine->currentLine();
        if (line > 0)
            caret = std::min(line, lineCount());
    }
    void OnStateChange(TCNCDebuggerState from, TCNCDebuggerState to) override
    {
        stateChanges.emplace_back(from, to);
    }

    void pump() override
    {
        ++pumps;
        if (onPump) {
            auto action = std::exchange(onPump, nullptr);
            action();
        }
    }
    bool terminating() const override { return closing; }

    std::vector<std::string> text;
    int caret = 1;
    std::string firstLine, lastLine;
    std::pair<bool, int> pauseButton{false, 0};
    int clears = 0, renders = 0, pumps = 0;
    bool liveRedraw = false, closing = false;
    std::vector<int> breakpointEvents;
    std::vector<std::pair<TCNCDebuggerState, TCNCDebuggerState>> stateChanges;
    std::function<void()> onPump;  // runs once, at the next yield
    TCNCDebugger* engine = nullptr;
};

// An engine wired to a fake window of `lines` lines.
struct RunBench {
    explicit RunBench(int lines) : window(lines)
    {
        engine.events = &window;
        engine.yield = &window;
        window.engine = &engine;
    }

    FakeClock clock;
    RecordingInterpreter interpreter{clock};
    FakeWindow window;
    InterpreterContext context;
    TCNCDebugger engine{{window, window, window, interpreter, context, clock}};
};

}  // namespace tarnix::testing
