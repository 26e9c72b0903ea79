// The Help and Commands menus of the main window: "Main Help" opens the help
// file beside the executable with the desktop, or in the program's own help
// window when the desktop cannot, and does nothing without the file; the
// help file the build puts beside the executable; "Read File Info".
// Qt Test under xvfb-run -a.

#include "support/app_paths_in.h"
#include "support/main_window_start.h"
#include "support/message_boxes.h"
#include "window/widgets/about_box.h"
#include "window/widgets/main_help.h"
#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include <memory>

using namespace tarnix;

class MainMenuTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;
    AppPaths paths;
    QList<QUrl> opened;

    // The main window with an opener that records what it is asked to open
    // and answers `desktopOpens`.
    std::unique_ptr<MainWindow> start(bool desktopOpens)
    {
        auto window = testing::startMainWindow(paths);
        window->mainHelp().setOpener([this, desktopOpens](const QUrl& url) {
            opened.append(url);
            return desktopOpens;
        });
        return window;
    }

    static void trigger(MainWindow& window, const char* action)
    {
        window.findChild<QAction*>(action)->trigger();
        QTest::qWait(20);
    }

    static QString helpText(MainWindow& window)
    {
        QWidget* help = window.mainHelp().helpWindow();
        return help && help->isVisible() ? help->findChild<QTextBrowser*>("HelpBrowser")->toPlainText() : QString();
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        paths = testing::appPathsIn(folder->path() + "/");
        opened.clear();
    }

    void mainHelpOpensTheHelpFile_data()
    {
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("desktopOpens");
        QTest::addColumn<int>("requests");
        QTest::addColumn<bool>("ownWindow");
        QTest::newRow("with the desktop's browser") << true << true << 1 << false;
        QTest::newRow("in its own window without a browser") << true << false << 1 << true;
        QTest::newRow("no help file: nothing") << false << true << 0 << false;
        QTest::newRow("no help file and no browser: nothing") << false << false << 0 << false;
    }

    void mainHelpOpensTheHelpFile()
    {
        QFETCH(bool, fileThere);
        QFETCH(bool, desktopOpens);
        QFETCH(int, requests);
        QFETCH(bool, ownWindow);
        const QString helpFile = folder->filePath(MainHelp::kFileName);
        if (fileThere) {
            QFile file(helpFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<html><body><h1>Help for the test</h1></body></html>");
        }
        auto window = start(desktopOpens);
        trigger(*window, "MainHelp1");
        QCOMPARE(opened.size(), requests);
        if (requests > 0)
            QCOMPARE(opened.first(), QUrl::fromLocalFile(helpFile));
        QCOMPARE(helpText(*window).contains("Help for the test"), ownWindow);
        QCOMPARE(window->mainHelp().helpWindow() != nullptr, ownWindow);
    }

    // The build puts the help file beside the executable; it opens in the
    // help window, and every link inside it finds its place.
    void theBuiltHelpFileLiesBesideTheExecutable()
    {
        paths.executableFolder = QFileInfo(TARNIX_EXECUTABLE).path().toStdString() + "/";
        const QString helpFile = QString::fromStdString(paths.executableFolder) + MainHelp::kFileName;
        QFile file(helpFile);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(helpFile));
        const QString html = QString::fromUtf8(file.readAll());
        const QRegularExpression link("href=\"#([^\"]+)\"");
        int links = 0;
        for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
            ++links;
            QVERIFY2(html.contains("name=\"" + match.captured(1) + "\""), qPrintable(match.captured(1)));
        }
        QVERIFY(links > 0);

        auto window = start(false);
        trigger(*window, "MainHelp1");
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(helpFile)});
        QVERIFY(helpText(*window).contains("The Explorer page"));
        trigger(*window, "MainHelp1");  // the same window again
        QCOMPARE(window->findChildren<QTextBrowser*>("HelpBrowser").size(), 1);
    }

    // About reads the version out of the running executable.
    void aboutShowsTheExecutablesVersion()
    {
        paths.executablePath = TARNIX_EXECUTABLE;
        paths.executableFolder = QFileInfo(TARNIX_EXECUTABLE).path().toStdString() + "/";
        auto window = start(true);
        QString shown;
        testing::answerNext<AboutForm>([&shown](AboutForm* box) {
            shown = box->findChild<QLabel*>("VersionInfo")->text();
            box->accept();
        });
        trigger(*window, "About1");
        QCOMPARE(shown, QString("Version: " TARNIX_VERSION));
    }

    void readFileInfoIsListedAndDoesNothing()
    {
        auto window = start(true);
        QStringList commands;
        for (QAction* menu : window->menuBar()->actions())
            if (menu->text() == "Commands")
                for (QAction* item : menu->menu()->actions())
                    commands << item->objectName();
        QCOMPARE(commands.indexOf("ReadFileInfo1"), commands.indexOf("mnGetFileInfo") + 1);
        auto* readFileInfo = window->findChild<QAction*>("ReadFileInfo1");
        QCOMPARE(readFileInfo->text(), QString("Read File Info"));
        QVERIFY(readFileInfo->isEnabled());
        const QWidgetList before = QApplication::topLevelWidgets();
        const int points = window->context().FPathPoints->Count();
        trigger(*window, "ReadFileInfo1");
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY(before.contains(widget) || !widget->isVisible());
        QCOMPARE(window->context().FPathPoints->Count(), points);
    }
};

int main(int argc, char** argv)
{
    TarnixApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    MainMenuTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_menu_test.moc"
