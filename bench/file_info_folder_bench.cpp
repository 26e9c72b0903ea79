// "Get Info selected" over a folder of 1,000 small programs in the running
// main window, each program's dialog closing itself after its countdown,
// whose tick is shortened. Prints the whole time, the countdowns' share,
// what is left, and the cost of one repaint of the main window. Needs a
// display (xvfb-run -a).
//
// usage: file_info_folder_bench [tick-milliseconds (default 1)] [programs (default 1000)]

#include "explorer/widgets/explorer_file_list.h"
#include "window/widgets/file_info_dialog.h"
#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace tarnix;

// A small program: a rapid to the start and twenty cuts of a square spiral.
QByteArray smallProgram(int number)
{
    QByteArray text = "%\n(PART " + QByteArray::number(number) + ")\nG0 X0 Y0 Z5\nG1 Z-1 F300\n";
    for (int cut = 1; cut <= 20; ++cut) {
        const char axis = cut % 2 != 0 ? 'X' : 'Y';
        const int sign = cut % 4 < 2 ? 1 : -1;
        text += "G1 " + QByteArray(1, axis) + QByteArray::number(sign * cut) + "\n";
    }
    return text + "G0 Z5\nM30\n";
}

class ShowingCounter : public QObject {
public:
    int showings = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++showings;
        return false;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    const int tickMs = argc > 1 ? std::atoi(argv[1]) : 1;
    const int programs = argc > 2 ? std::atoi(argv[2]) : 1000;
    TarnixApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);

    QTemporaryDir home;
    const QString root = home.path() + "/";
    const QString folder = root + "programs/";
    QDir().mkpath(folder);
    for (int i = 0; i < programs; ++i) {
        QFile file(folder + QString("p%1.nc").arg(i, 4, 10, QChar('0')));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(smallProgram(i));
    }
    AppPaths paths;
    paths.executableFolder = root.toStdString();
    paths.executablePath = (root + "tarnix").toStdString();
    paths.settingsFile = (root + "CNCconfig.ini").toStdString();
    paths.formStorageFile = (root + "tarnix.ini").toStdString();
    paths.tempFolder = (root + "tempcnc/").toStdString();
    QFile settings(QString::fromStdString(paths.settingsFile));
    if (!settings.open(QIODevice::WriteOnly))
        return 1;
    settings.write("[Options]\nStart_dir=" + folder.toUtf8() + "\nextentions=*.nc\n");
    settings.close();

    MainWindow window(application, paths, parseCommandLine({}, paths.executableFolder));
    window.show();
    QCoreApplication::processEvents();
    auto* list = window.findChild<ExplorerFileList*>("lvFiles");
    if (list->topLevelItemCount() != programs)
        return 1;
    window.fileInfoForm()->setTickInterval(std::chrono::milliseconds(tickMs));
    ShowingCounter counter;
    window.fileInfoForm()->installEventFilter(&counter);
    list->selectAll();

    QElapsedTimer clock;
    clock.start();
    list->popupMenu()->findChild<QAction*>("GetInfoSelected1")->trigger();
    const double seconds = clock.nsecsElapsed() / 1e9;

    // What one repaint of the whole main window costs on this display, for
    // comparison: each program changes the window (cells, status panels)
    // and is shown over it, so it is repainted at least once per program.
    constexpr int kRepaints = 20;
    QElapsedTimer repaintClock;
    repaintClock.start();
    for (int i = 0; i < kRepaints; ++i) {
        window.update();
        QCoreApplication::processEvents();
    }
    const double repaintMs = repaintClock.nsecsElapsed() / 1e6 / kRepaints;

    const double countdowns = 5.0 * tickMs * programs / 1000.0;
    const bool allMeasured = counter.showings == programs &&
                             list->topLevelItem(programs - 1)->text(ExplorerFileList::LinesColumn) == "26";
    std::printf("%d programs, tick %d ms: %.3f s in all, %.3f s of countdowns, %.3f s beyond them (%.2f ms a "
                "program); one repaint of the main window %.2f ms%s\n",
                programs, tickMs, seconds, countdowns, seconds - countdowns,
                (seconds - countdowns) * 1000.0 / programs, repaintMs, allMeasured ? "" : " -- NOT ALL MEASURED");
    return allMeasured ? 0 : 1;
}
