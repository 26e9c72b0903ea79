// The shell shortcut toolbar in the running main window: folders dropped on
// it become buttons that browse to them, its context menu empties it, and
// its buttons come back after a restart.

#include "explorer_list_clicks.h"
#include "support/app_paths_in.h"
#include "support/main_window_start.h"
#include "explorer/widgets/explorer_file_list.h"
#include "explorer/widgets/explorer_folder_tree.h"
#include "explorer/widgets/shell_toolbar.h"
#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"

#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>

#include <memory>

using namespace tarnix;
using namespace tarnix::testing;

namespace {

// Chooses the item named `name` of the next context menu that opens.
void chooseInNextMenu(const QString& name)
{
    QTimer::singleShot(100, [name] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            if (QAction* item = menu->findChild<QAction*>(name))
                item->trigger();
            menu->close();
        }
    });
}

}  // namespace

class ShellToolbarTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> home;
    QString programs;
    AppPaths paths;
    std::unique_ptr<MainWindow> window;
    ShellToolbar* bar = nullptr;

    void start()
    {
        window = testing::startMainWindow(paths);
        bar = window->findChild<ShellToolbar*>("ShellToolbar1");
        QVERIFY(bar != nullptr);
    }

    void restart()
    {
        QVERIFY(window->close());
        window.reset();
        start();
    }

    void drop(const QStringList& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        const QPoint at = bar->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(bar, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(bar, &dropped);
    }

    QStringList buttonTexts() const
    {
        QStringList texts;
        for (const QAction* action : bar->actions())
            texts << action->text();
        return texts;
    }

    void openContextMenu(QAction* over)
    {
        QCoreApplication::processEvents();  // lays the new buttons out
        const QPoint at = over ? bar->widgetForAction(over)->geometry().center() : QPoint(bar->width() - 2, 2);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
        QApplication::sendEvent(bar, &event);
    }

private slots:
    void init()
    {
        home = std::make_unique<QTemporaryDir>();
        const QString root = home->path() + "/";
        paths = testing::appPathsIn(root);
        programs = root + "programs/";
        QDir().mkpath(programs + "mill");
        QDir().mkpath(programs + "lathe");
        writeFile(programs + "mill/a.nc", "%\nG0 X1\n");
        writeFile(programs + "part.nc", "%\n");
        writeFile(QString::fromStdString(paths.settingsFile), "[Options]\nStart_dir=" + programs.toUtf8() + "\n");
    }

    void cleanup() { window.reset(); }

    void droppedFoldersBecomeButtonsThatBrowseToThem()
    {
        start();
        drop({programs + "mill", programs + "part.nc", programs + "lathe", programs + "mill"});
        QCOMPARE(buttonTexts(), QStringList({"mill", "lathe"}));  // files and repeats are no shortcuts

        bar->actions().first()->trigger();
        QCOMPARE(window->findChild<ExplorerFolderTree*>("Tree")->selectedFolderPath(),
                 (programs + "mill").toStdString());
        QCOMPARE(captions(*window->findChild<ExplorerFileList*>("lvFiles")), QStringList({"a.nc"}));
    }

    void buttonsSurviveARestart()
    {
        start();
        drop({programs + "lathe", programs + "mill"});
        restart();
        QCOMPARE(buttonTexts(), QStringList({"lathe", "mill"}));
        QCOMPARE(bar->actions().first()->toolTip(), programs + "lathe");
    }

    void contextMenuRemovesOneButtonOrAll()
    {
        start();
        drop({programs + "lathe", programs + "mill"});
        chooseInNextMenu("ShellToolbarRemove");
        openContextMenu(bar->actions().first());
        QCOMPARE(buttonTexts(), QStringList({"mill"}));

        chooseInNextMenu("ShellToolbarRemoveAll");
        openContextMenu(nullptr);
        QCOMPARE(buttonTexts(), QStringList());
        restart();
        QCOMPARE(buttonTexts(), QStringList());
    }

    void unreadableFileStartsWithAnEmptyBar()
    {
        QDir().mkpath(home->path() + "/shellTB.ini");  // a folder where the file belongs
        start();
        QCOMPARE(buttonTexts(), QStringList());
    }
};

int runShellToolbarTests(int argc, char** argv)
{
    ShellToolbarTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "shell_toolbar_test.moc"
