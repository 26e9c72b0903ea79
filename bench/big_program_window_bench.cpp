// A program of millions of lines in the main window, as a user meets it:
//   draw:   the view toolbar's refresh builds and draws it; the longest wait
//           of a 10 ms timer and whether the progress bar ever moved back;
//   info:   the "File Information" dialog over its drawn path; the longest
//           wait of a 10 ms timer while the dialog stays open for 3 s;
//   memory: the process's size with the window shown, after drawing it and
//           measuring it twice, after Clear, and after drawing a
//           169,000-line program.
// The program is generated (generated_programs.h) into a temporary folder.
// Needs a display (xvfb-run -a).
//
// usage: big_program_window_bench draw|info|memory [lines (default 1000000)]

#include "generated_programs.h"
#include "window/widgets/file_info_dialog.h"
#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"
#include "support/app_paths_in.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace tarnix;

void writeProgram(const std::string& path, int lineCount)
{
    std::ofstream file(path, std::ios::binary);
    for (const std::string& line : bench::generateMixedProgram(lineCount))
        file << line << '\n';
}

double residentMegabytes()
{
    long pages = 0, resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

// The longest wait of a timer that a responsive window serves every 10 ms.
class GapWatch {
public:
    GapWatch()
    {
        QObject::connect(&ticks_, &QTimer::timeout, [this] { longest_ = std::max(longest_, since_.restart()); });
    }
    void start()
    {
        longest_ = 0;
        since_.start();
        ticks_.start(10);
    }
    qint64 stop()
    {
        ticks_.stop();
        return std::max(longest_, since_.elapsed());
    }

private:
    QTimer ticks_;
    QElapsedTimer since_;
    qint64 longest_ = 0;
};

class Bench {
public:
    Bench(TarnixApplication& application, const std::string& root)
        : paths_(testing::appPathsIn(QString::fromStdString(root))),
          window_(application, paths_, parseCommandLine({}, paths_.executableFolder))
    {
        window_.show();
        window_.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
        // Drawing reaches the screen only once the window is exposed.
        QElapsedTimer waited;
        waited.start();
        while (!(window_.windowHandle() != nullptr && window_.windowHandle()->isExposed()) && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        settle(500);
    }

    MainWindow& window() { return window_; }

    // Builds and draws `path` from the view toolbar; prints what it cost.
    void draw(const std::string& path)
    {
        auto* bar = window_.findChild<QProgressBar*>("ProgressBar");
        double lastShare = 0;
        int backwards = 0;
        const auto watchBar = [&] {
            const double share = bar->maximum() > 0 ? static_cast<double>(bar->value()) / bar->maximum() : 0;
            if (share < lastShare && bar->value() > 0)
                ++backwards;
            lastShare = share;
        };
        const QMetaObject::Connection values = QObject::connect(bar, &QProgressBar::valueChanged, watchBar);
        window_.findChild<QLineEdit*>("edFileName")->setText(QString::fromStdString(path));
        QElapsedTimer clock;
        clock.start();
        gaps_.start();
        window_.btnBuildClick();
        const double seconds = clock.nsecsElapsed() / 1e9;
        // The layout settles after the progress bar hides: the paints it
        // causes belong to the drawing.
        settle(500);
        const qint64 longest = gaps_.stop();
        QObject::disconnect(values);
        QElapsedTimer frame;
        frame.start();
        window_.RenderScene();
        const double frameSeconds = frame.nsecsElapsed() / 1e9;
        std::printf("drawing: %.3f s, %d points, longest wait of a 10 ms timer %lld ms, progress bar moved back "
                    "%d times; the next frame %.3f s\n",
                    seconds, window_.context().FPathPoints->Count(),
                    static_cast<long long>(longest), backwards, frameSeconds);
    }

    // The information run on `path`; the dialog stays open `openMs`, then
    // closes. Prints the longest waits while it was open: in its first
    // second, when the view draws once the points the run added, and after.
    void info(const std::string& path, int openMs)
    {
        window_.findChild<QLineEdit*>("edFileName")->setText(QString::fromStdString(path));
        QElapsedTimer clock;
        qint64 firstSecond = 0, after = 0;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            TForm2* dialog = window_.fileInfoForm();
            if (!dialog->isVisible())
                return;
            if (!clock.isValid()) {
                clock.start();
                gaps_.start();
            } else if (firstSecond == 0 && clock.elapsed() >= std::min(openMs, 1000)) {
                firstSecond = std::max<qint64>(gaps_.stop(), 1);
                gaps_.start();
            } else if (clock.elapsed() >= openMs) {
                after = gaps_.stop();
                closer.stop();
                dialog->accept();
            }
        });
        closer.start(5);
        QElapsedTimer whole;
        whole.start();
        window_.GetFileInfo();
        std::printf("information run and dialog: %.3f s; longest wait of a 10 ms timer with the dialog open: "
                    "%lld ms in its first second, %lld ms after\n",
                    whole.nsecsElapsed() / 1e9 - openMs / 1e3, static_cast<long long>(firstSecond),
                    static_cast<long long>(after));
    }

    static void settle(int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

private:
    AppPaths paths_;
    MainWindow window_;
    GapWatch gaps_;
};

}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const int lineCount = argc > 2 ? std::atoi(argv[2]) : 1000000;
    if (mode != "draw" && mode != "info" && mode != "memory") {
        std::fprintf(stderr, "usage: big_program_window_bench draw|info|memory [lines]\n");
        return 2;
    }
    TarnixApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    QTemporaryDir folder;
    const std::string root = folder.path().toStdString() + "/";
    const std::string program = root + "big.nc";
    writeProgram(program, lineCount);
    std::printf("%d lines\n", lineCount);

    Bench bench(application, root);
    const double started = residentMegabytes();
    bench.draw(program);
    if (mode == "info")
        bench.info(program, 3000);
    if (mode != "memory")
        return 0;

    const double drawn = residentMegabytes();
    bench.info(program, 0);
    bench.info(program, 0);
    const double measured = residentMegabytes();
    bench.window().btnClearClick();
    Bench::settle(200);
    const double cleared = residentMegabytes();
    const std::string small = root + "small.nc";
    writeProgram(small, 169000);
    bench.draw(small);
    const double smallDrawn = residentMegabytes();
    std::printf("resident MB: window shown %.0f, drawn %.0f, after two Info runs %.0f, after Clear %.0f, then "
                "169,000 lines drawn %.0f\n",
                started, drawn, measured, cleared, smallDrawn);
    return 0;
}
