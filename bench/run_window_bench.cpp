// A run without delay of a generated 169,000-line G-code program in the main
// window, started by the Run/Pause button: caret moves, marks, status bar,
// live redraw and yields included. Prints lines per second and the longest
// wait of a 10 ms timer: the engine yields after 100 ms of lines, and the
// yield's own drawing adds to that. Needs a display (xvfb-run -a).

#include "generated_programs.h"
#include "run/cnc_debugger.h"
#include "run/widgets/run_controller.h"
#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"
#include "support/app_paths_in.h"

#include <QElapsedTimer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    using namespace tarnix;
    const int lineCount = argc > 1 ? std::atoi(argv[1]) : 169000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    TarnixApplication application(argc, argv);
    QTemporaryDir folder;
    const AppPaths paths = testing::appPathsIn(folder.path() + "/");
    MainWindow window(application, paths, parseCommandLine({}, paths.executableFolder));
    window.show();
    window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);

    QString program;
    for (const std::string& line : bench::generateGCodeProgram(lineCount))
        program += QString::fromStdString(line) + '\n';
    QElapsedTimer loading;
    loading.start();
    window.findChild<QsciScintilla*>("SynEdit")->setText(program);
    QCoreApplication::processEvents();
    std::printf("the program into the editor, with its gutter glyphs: %.3f s\n", loading.nsecsElapsed() / 1e9);

    // A timer that a responsive window serves every 10 ms.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
    });

    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer elapsed;
        elapsed.start();
        sinceTick.start();
        ticks.start(10);
        window.findChild<QToolButton*>("tbtnPause")->click();
        ticks.stop();
        best = std::min(best, elapsed.nsecsElapsed() / 1e9);
        if (window.runController().debugger().state() != TCNCDebuggerState::stopped)
            std::fprintf(stderr, "the run did not reach the end\n");
    }
    std::printf("run without delay, %d lines: %.3f s, %.0f lines/s, longest wait of a 10 ms timer %lld ms, "
                "%d points drawn\n",
                lineCount, best, lineCount / best, static_cast<long long>(longestGap),
                window.context().FPathPoints->Count());
    return 0;
}
