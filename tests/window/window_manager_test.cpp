// The window's placement and the stored pane heights under a real window
// manager, which maximises the window some time after it was shown. Run by
// tests/support/with_window_manager on a display of its own with openbox.

#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"
#include "support/app_paths_in.h"
#include "support/main_window_start.h"
#include "support/message_boxes.h"

#include <QDir>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tarnix;

namespace {

struct Heights {
    int folderPanel = 0;  // "Panel3.Height": the folders over the log pane
    int list = 0;         // "lvFiles.Height": the file list under the view
    bool operator==(const Heights&) const = default;
};

char* toString(const Heights& heights)
{
    return qstrdup(qPrintable(QString("Panel3 %1, lvFiles %2").arg(heights.folderPanel).arg(heights.list)));
}

QSplitter* folderSplitter(MainWindow& window)
{
    return qobject_cast<QSplitter*>(window.findChild<QWidget*>("Scroll")->parentWidget());
}

// The heights the window shows, the list's as the Explorer page shows it.
Heights shownHeights(MainWindow& window)
{
    window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(0);
    QTest::qWait(50);
    return {folderSplitter(window)->sizes().value(0), window.findChild<QSplitter*>("Splitter4")->sizes().value(1)};
}

}  // namespace

class WindowManagerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;
    AppPaths paths;

    QString storageFile() const { return QString::fromStdString(paths.formStorageFile); }

    Heights storedHeights() const
    {
        QSettings stored(storageFile(), QSettings::IniFormat);
        return {stored.value("FormStorage1/Panel3.Height").toInt(), stored.value("FormStorage1/lvFiles.Height").toInt()};
    }

    void store(const Heights& heights)
    {
        QSettings stored(storageFile(), QSettings::IniFormat);
        stored.setValue("FormStorage1/Panel3.Height", heights.folderPanel);
        stored.setValue("FormStorage1/lvFiles.Height", heights.list);
    }

    // Started as the program starts, and settled: a maximised window once
    // the window manager has maximised it.
    std::unique_ptr<MainWindow> start(const std::vector<std::string>& arguments = {}, bool maximised = true)
    {
        auto window = testing::startMainWindow(paths, arguments);
        const int screenHeight = window->screen()->availableGeometry().height();
        if (maximised && !QTest::qWaitFor([&] { return window->frameGeometry().height() > screenHeight - 10; }, 5000))
            qWarning("No window manager maximised the window: run under tests/support/with_window_manager");
        QTest::qWait(300);
        return window;
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        paths = testing::appPathsIn(folder->path() + "/");
    }

    void fiveMaximisedRestartsKeepTheStoredHeights()
    {
        QList<Heights> stored;
        for (int cycle = 0; cycle < 5; ++cycle) {
            auto window = start();
            QVERIFY(window->isMaximized());
            window->close();
            stored << storedHeights();
        }
        for (int cycle = 1; cycle < 5; ++cycle)
            QCOMPARE(stored[cycle], stored[0]);
    }

    // Heights the user set in the maximised window that the first, smaller
    // showing could not hold; with -e the list waits for the Explorer page.
    void heightsOnlyTheMaximisedWindowHoldsComeBack_data()
    {
        QTest::addColumn<bool>("editSwitch");
        QTest::newRow("Explorer page") << false;
        QTest::newRow("-e program") << true;
    }

    void heightsOnlyTheMaximisedWindowHoldsComeBack()
    {
        QFETCH(bool, editSwitch);
        const QString program = folder->path() + "/part.nc";
        testing::writeFile(program, "%\n G1 X10 F100\n");
        Heights tall;
        {
            auto window = start();
            // Near the whole height of each splitter, which is more than
            // the window as first shown (1174 by 801) can give.
            auto nearlyAll = [](QSplitter* splitter) { return splitter->sizes()[0] + splitter->sizes()[1] - 100; };
            tall = {nearlyAll(folderSplitter(*window)), nearlyAll(window->findChild<QSplitter*>("Splitter4"))};
            QVERIFY(tall.list > 801 - 200 && tall.folderPanel > 801 - 300);
            window->close();
        }
        store(tall);
        {
            auto window = start(editSwitch ? std::vector<std::string>{"-e", program.toStdString()}
                                           : std::vector<std::string>{});
            QCOMPARE(shownHeights(*window), tall);
            window->close();
        }
        QCOMPARE(storedHeights(), tall);
    }

    // A first start with -e: the list on the Explorer page is as tall as on
    // a first start without it, not squeezed to a few rows.
    void firstStartWithTheEditSwitchGivesTheListItsFirstHeight()
    {
        Heights plain;
        {
            auto window = start();
            plain = shownHeights(*window);
        }
        QFile::remove(storageFile());
        const QString program = folder->path() + "/part.nc";
        testing::writeFile(program, "%\n G1 X10 F100\n");
        auto window = start({"-e", program.toStdString()});
        QCOMPARE(shownHeights(*window), plain);
    }

    void restoredWindowKeepsItsPlacementAndHeights()
    {
        QRect placement;
        Heights heights;
        {
            auto window = start();
            window->showNormal();
            QTest::qWait(300);
            window->setGeometry(120, 90, 1000, 700);
            QTest::qWait(300);
            folderSplitter(*window)->setSizes({300, 250});
            auto* splitter = window->findChild<QSplitter*>("Splitter4");
            splitter->setSizes({splitter->sizes()[0] + splitter->sizes()[1] - 150, 150});
            placement = window->geometry();
            heights = shownHeights(*window);
            window->close();
        }
        auto window = start({}, false);
        QVERIFY(!window->isMaximized());
        QCOMPARE(window->geometry(), placement);
        QCOMPARE(shownHeights(*window), heights);
    }
};

int main(int argc, char** argv)
{
    TarnixApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    WindowManagerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_manager_test.moc"
