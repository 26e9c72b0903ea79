// A run without delay over a generated 169,000-line G-code program, through
// the real interpreter, with an editor whose caret follows the current line
// as the window's does. Reports lines per second.

#include "generated_programs.h"
#include "run/cnc_debugger.h"
#include "run/program_line_interpreter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace tarnix;

class ProgramWindow : public RunEditor, public RunPanel, public RunView, public RunEvents, public EventPump {
public:
    ProgramWindow(std::vector<std::string> lines, InterpreterContext& context)
        : lines_(std::move(lines)), context_(context)
    {
    }

    int lineCount() const override { return static_cast<int>(lines_.size()); }
    int caretLine() const override { return caret_; }
    std::string lineText(int line) const override { return lines_[line - 1]; }

    std::string startPointText() const override { return {}; }
    std::string stopPointText() const override { return {}; }
    void setPauseButton(bool, int) override {}

    void ClearPath() override { context_.FPathPoints = std::make_unique<TD3FloatPointList>(); }
    void RenderScene() override {}
    void setLiveRedraw(bool) override {}

    void OnBreakpointChange(int) override {}
    void OnCurrentLineChange() override
    {
        if (engine->currentLine() > 0)
            caret_ = std::min(engine->currentLine(), lineCount());
    }
    void OnStateChange(TCNCDebuggerState, TCNCDebuggerState) override {}

    void pump() override { ++pumps; }
    bool terminating() const override { return false; }

    TCNCDebugger* engine = nullptr;
    long long pumps = 0;

private:
    std::vector<std::string> lines_;
    InterpreterContext& context_;
    int caret_ = 1;
};

void RunWithoutDelay(benchmark::State& state)
{
    constexpr int lineCount = 169000;
    InterpreterContext context;
    ProgramWindow window(bench::generateGCodeProgram(lineCount), context);
    ProgramLineInterpreter interpreter(context);
    SteadyRunClock clock;
    TCNCDebugger engine({window, window, window, interpreter, context, clock});
    engine.events = &window;
    engine.yield = &window;
    window.engine = &engine;
    for (auto _ : state) {
        engine.Run();
        if (context.FPathPoints->Count() == 0)
            state.SkipWithError("the run drew nothing");
    }
    state.counters["lines/s"] = benchmark::Counter(lineCount, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["yields"] = static_cast<double>(window.pumps) / static_cast<double>(state.iterations());
}
BENCHMARK(RunWithoutDelay)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
