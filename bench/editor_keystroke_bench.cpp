// Keystrokes in the program page's editor of the main window, the program
// opened as `tarnix -e` opens it (its path drawn in the view, a breakpoint
// set): Return and BackSpace, which add and remove a line, and a typed
// letter for comparison. A keystroke's time runs from the key's press until
// the window has painted what the press and then the release asked for
// (Return's release redraws the view: its cursor line moved); the counters
// give the press and the release apart and the window's paintings. The
// program is a generated one of 169,220 lines, its first 38 lines, or it
// repeated to 1 M and 5 M lines; the argument is the line count.
//
// Needs a display (Xvfb will do); run by hand:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/editor_keystroke_bench
// or only the small programs, once each, as scripts/bench does:
//   ... editor_keystroke_bench --benchmark_filter='/(38|169220)/' --benchmark_min_time=0.01

#include "generated_programs.h"
#include "run/cnc_debugger.h"
#include "run/widgets/run_controller.h"
#include "window/command_line.h"
#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"
#include "support/app_paths_in.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <Qsci/qsciscintilla.h>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <optional>
#include <utility>

namespace {

using namespace tarnix;

constexpr int kGeneratedLines = 169220;
constexpr int kCaretLine = 20;
// A painting that follows a key comes within this; the wait after the
// last one is not counted.
constexpr qint64 kSettleMs = 40;

// Counts the window's paintings, each of which draws and flushes it.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::UpdateRequest;
        return false;
    }
    int count = 0;
};

struct OpenedProgram {
    QTemporaryDir folder;
    std::unique_ptr<MainWindow> window;
    QsciScintilla* SynEdit = nullptr;
    PaintCounter paints;
    int lineCount = 0;
};

// One window at a time: a 5 M-line program and its path take gigabytes.
// It goes before the application does.
std::unique_ptr<OpenedProgram> opened;

void writeProgram(const std::string& path, int lineCount)
{
    const std::vector<std::string> lines = bench::generateGCodeProgram(kGeneratedLines);
    std::ofstream file(path, std::ios::binary);
    for (int line = 0; line < lineCount; ++line)
        file << lines[static_cast<std::size_t>(line % kGeneratedLines)] << "\r\n";
}

// Events until the window has been painted and stays quiet; returns the
// milliseconds from `since` to the end of the last painting.
double answeredAfter(const QElapsedTimer& since)
{
    const int before = opened->paints.count;
    int seen = before;
    double lastPainted = since.nsecsElapsed() / 1e6;
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const double now = since.nsecsElapsed() / 1e6;
        if (opened->paints.count != seen) {
            seen = opened->paints.count;
            lastPainted = now;
        }
        if (now - lastPainted > kSettleMs)
            return lastPainted;
    }
}

OpenedProgram& openedProgram(int lineCount)
{
    if (opened && opened->lineCount == lineCount)
        return *opened;
    opened.reset();
    opened = std::make_unique<OpenedProgram>();
    opened->lineCount = lineCount;
    const std::string root = opened->folder.path().toStdString() + "/";
    const std::string program = root + "program.nc";
    writeProgram(program, lineCount);
    const AppPaths paths = testing::appPathsIn(QString::fromStdString(root));
    opened->window = std::make_unique<MainWindow>(*static_cast<TarnixApplication*>(QCoreApplication::instance()),
                                                  paths, parseCommandLine({"-e", program}, root, root));
    opened->window->show();
    opened->window->installEventFilter(&opened->paints);
    // The first showing draws the path.
    QElapsedTimer settling;
    settling.start();
    answeredAfter(settling);
    opened->SynEdit = opened->window->findChild<QsciScintilla*>("SynEdit");
    // A blinking caret would paint in between.
    opened->SynEdit->SendScintilla(QsciScintilla::SCI_SETCARETPERIOD, 0UL);
    opened->window->runController().debugger().ToggleBreakpoint(kCaretLine + 5);
    opened->SynEdit->setFirstVisibleLine(0);
    opened->SynEdit->setCursorPosition(kCaretLine - 1, 5);
    opened->SynEdit->setFocus();
    QElapsedTimer placing;
    placing.start();
    answeredAfter(placing);
    return *opened;
}

void send(QEvent::Type type, Qt::Key key, const QString& text)
{
    QKeyEvent event(type, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(opened->SynEdit, &event);
}

struct Answer {
    double pressMs = 0;
    double releaseMs = 0;
    int paints = 0;
};

// The key pressed, answered, released and answered, as a typist's key.
Answer keystroke(Qt::Key key, const QString& text = {})
{
    const int paintsBefore = opened->paints.count;
    Answer answer;
    QElapsedTimer pressed;
    pressed.start();
    send(QEvent::KeyPress, key, text);
    answer.pressMs = answeredAfter(pressed);
    QElapsedTimer released;
    released.start();
    send(QEvent::KeyRelease, key, text);
    answer.releaseMs = answeredAfter(released);
    answer.paints = opened->paints.count - paintsBefore;
    return answer;
}

using Key = std::pair<Qt::Key, QString>;

// Times `timed`; `before` and `after` (untimed) keep the text as it was.
void keystrokes(benchmark::State& state, std::optional<Key> before, Key timed, std::optional<Key> after)
{
    OpenedProgram& program = openedProgram(static_cast<int>(state.range(0)));
    const int lines = program.SynEdit->lines();
    Answer total;
    for (auto _ : state) {
        if (before)
            keystroke(before->first, before->second);
        const Answer answer = keystroke(timed.first, timed.second);
        state.SetIterationTime((answer.pressMs + answer.releaseMs) / 1e3);
        total.pressMs += answer.pressMs;
        total.releaseMs += answer.releaseMs;
        total.paints += answer.paints;
        if (after)
            keystroke(after->first, after->second);
    }
    const double count = static_cast<double>(state.iterations());
    state.counters["press_ms"] = total.pressMs / count;
    state.counters["release_ms"] = total.releaseMs / count;
    state.counters["paints"] = total.paints / count;
    if (program.SynEdit->lines() != lines)
        state.SkipWithError("the line count changed");
}

const Key kReturn{Qt::Key_Return, "\r"}, kBackSpace{Qt::Key_Backspace, "\b"}, kLetter{Qt::Key_A, "a"};

void BM_Letter(benchmark::State& state)
{
    keystrokes(state, std::nullopt, kLetter, kBackSpace);
}

void BM_Return(benchmark::State& state)
{
    keystrokes(state, std::nullopt, kReturn, kBackSpace);
}

// Joins the line that Return made to the one above.
void BM_BackSpace(benchmark::State& state)
{
    keystrokes(state, kReturn, kBackSpace, std::nullopt);
}

}  // namespace

int main(int argc, char** argv)
{
    TarnixApplication application(argc, argv);
    // By program size, so that each program is opened once.
    for (int lineCount : {38, kGeneratedLines, 1000000, 5000000})
        for (auto [name, keys] : {std::pair{"BM_Letter", &BM_Letter}, std::pair{"BM_Return", &BM_Return},
                                  std::pair{"BM_BackSpace", &BM_BackSpace}})
            benchmark::RegisterBenchmark(name, keys)
                ->Arg(lineCount)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    opened.reset();
    return 0;
}
