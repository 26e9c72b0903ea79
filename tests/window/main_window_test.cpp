// The main window as a user starts and uses it: start-up with and without a
// program, the error handler, the status bar, settings written on close.

#include "common/errors.h"
#include "run/widgets/run_controller.h"
#include "window/widgets/about_box.h"
#include "window/widgets/main_window.h"
#include "window/widgets/status_bar_widget.h"
#include "window/widgets/tarnix_application.h"
#include "support/app_paths_in.h"
#include "support/main_window_start.h"
#include "support/message_boxes.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <Qsci/qsciscintilla.h>

#include <memory>

using namespace tarnix;

namespace {


// Answers the save question with Yes and the file dialog with `fileName`.
// Returns the poll, which the caller stops when done.
std::unique_ptr<QTimer> answerSaveWith(const QString& fileName)
{
    auto poll = std::make_unique<QTimer>();
    poll->setInterval(20);
    QObject::connect(poll.get(), &QTimer::timeout, [fileName] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (!widget->isVisible())
                continue;
            if (auto* box = qobject_cast<QMessageBox*>(widget))
                box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes)->click() : box->accept();
            // Once a dialog, after it has listed its folder (which resets its
            // selection). The name goes into the dialog's name box itself:
            // selectFile leaves that box alone while it has the keyboard,
            // which it has when other tests ran before.
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (dialog && !dialog->property("answered").toBool()) {
                dialog->setProperty("answered", true);
                QTimer::singleShot(300, dialog, [dialog, fileName] {
                    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(fileName);
                    QMetaObject::invokeMethod(dialog, "accept");
                });
            }
        }
    });
    poll->start();
    return poll;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;
    AppPaths paths;

    std::unique_ptr<MainWindow> start(const std::vector<std::string>& arguments)
    {
        return testing::startMainWindow(paths, arguments);
    }

    QString logText(MainWindow& window)
    {
        return window.findChild<QPlainTextEdit*>("Scroll")->toPlainText();
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QString root = folder->path() + "/";
        paths = testing::appPathsIn(root);
    }

    // The Config page is the tallest page; with the transformation panel below
    // the program page it must not push the window past its size.
    void showingThePagesKeepsTheWindowItsSize()
    {
        auto window = start({});
        window->resize(1174, 801);
        QTest::qWait(50);
        auto* pages = window->findChild<QTabWidget*>("PageControl1");
        for (int page : {1, 2, 0, 1}) {
            pages->setCurrentIndex(page);
            QTest::qWait(50);
            QCOMPARE(window->height(), 801);
        }
        QVERIFY(window->findChild<QWidget*>("Panel11")->isVisible());
    }

    void startWithoutParametersShowsTheExplorerAndTheHelpText()
    {
        auto window = start({});
        auto* pages = window->findChild<QTabWidget*>("PageControl1");
        QCOMPARE(pages->currentWidget()->objectName(), QString("tsExplorer"));
        QStringList lines = logText(*window).split('\n');
        QCOMPARE(lines.size(), 16);
        QCOMPARE(lines[0], QString(31, '='));
        QCOMPARE(lines[5], QString("o Used file extention:"));
        QCOMPARE(lines[15], QString("     Left or Ctrl+Shift+Right to Rotate."));
        QCOMPARE(window->context().FPathPoints->Count(), 0);
    }

    void programOnTheCommandLineIsDrawnAtTheFirstShowing()
    {
        QString program = folder->path() + "/part.nc";
        testing::writeFile(program, "%\n G0 X10 Y10 Z5\n G1 Z-1 F100\n G1 X20\n");
        auto window = start({program.toStdString()});
        QCOMPARE(logText(*window).split('\n').first(), " File Name: " + program);
        QCOMPARE(window->context().FPathPoints->Count(), 3);
        QVERIFY(window->findChild<QRadioButton*>("rbFanuc")->isChecked());
        QCOMPARE(window->findChild<QLineEdit*>("edFileName")->text(), program);
        const TViewCamera& camera = window->view()->sceneInput().camera;
        QCOMPARE(camera.FRotX, -60.0f);
        QCOMPARE(camera.FRotZ, 50.0f);
        QCOMPARE(camera.FViewDist, -3.0f);
    }

    void bareNameIsLookedUpBesideTheExecutable()
    {
        testing::writeFile(folder->path() + "/near.rol", "!MC1;\nZ10,20,30;\n");
        auto window = start({" near.rol "});
        QCOMPARE(logText(*window).split('\n').first(), " File Name: " + folder->path() + "/near.rol");
        QVERIFY(window->findChild<QRadioButton*>("rbRoland")->isChecked());
        QCOMPARE(window->context().FPathPoints->Count(), 2);
    }

    void editSwitchOpensTheProgramInTheEditorPage()
    {
        QString program = folder->path() + "/edit.nc";
        testing::writeFile(program, "%\n G1 X1 F100\n");
        auto window = start({"-E", program.toStdString()});
        auto* pages = window->findChild<QTabWidget*>("PageControl1");
        QCOMPARE(pages->currentWidget()->objectName(), QString("tsPellam"));
        QCOMPARE(window->findChild<QsciScintilla*>("SynEdit")->text(), QString("%\n G1 X1 F100\n"));
        QCOMPARE(window->context().FPathPoints->Count(), 1);
    }

    // Started with -e the program page is arranged as a switch to it
    // arranges it: the transformation panel below the editor; the Explorer
    // page then shows it as "View Feedrate limits in Explorer" says.
    void editSwitchShowsTheTransformationPanelAsAPageSwitchDoes()
    {
        QString program = folder->path() + "/edit.nc";
        testing::writeFile(program, "%\n G1 X1 F100\n");
        for (const bool limitsInExplorer : {false, true}) {
            testing::writeFile(QString::fromStdString(paths.settingsFile),
                               QByteArray("[Options]\nFeedRateLimitsVisible=") + (limitsInExplorer ? "1" : "0") + "\n");
            auto window = start({"-e", program.toStdString()});
            QTest::qWait(50);
            auto* panel = window->findChild<QWidget*>("Panel11");
            QVERIFY(panel->isVisible());
            auto* pages = window->findChild<QTabWidget*>("PageControl1");
            pages->setCurrentIndex(0);
            QCOMPARE(panel->isVisible(), limitsInExplorer);
            pages->setCurrentIndex(1);
            QVERIFY(panel->isVisible());
        }
    }

    // No button of the Explorer tool bar hides behind its ">>" button at
    // the window's first size, in the desktop's font and in the fonts the
    // install script brings to a bare machine.
    void explorerToolBarShowsEveryButtonAtTheFirstSize()
    {
        const QFont desktopFont = QApplication::font();
        for (const QFont& font :
             {desktopFont, QFont("Liberation Sans", 9), QFont("Liberation Sans", 10), QFont("Liberation Mono", 9)}) {
            QApplication::setFont(font);
            auto window = start({});
            QTest::qWait(50);
            QCOMPARE(window->size(), QSize(1174, 801));
            auto* toolBar = window->findChild<QToolBar*>("ExplorerToolBar");
            for (QAction* action : toolBar->actions()) {
                if (action->isSeparator())
                    continue;
                QWidget* button = toolBar->widgetForAction(action);
                QVERIFY2(button && button->isVisible() && toolBar->rect().contains(button->geometry()),
                         qPrintable(font.family() + ": " + action->text()));
            }
            window.reset();
            QApplication::setFont(desktopFont);
        }
    }

    void conversionErrorShowsOneBoxAndTheNineLogLines()
    {
        auto window = start({});
        QString boxText;
        testing::answerNextMessageBox(&boxText);
        // An exception that an event handler lets through reaches the handler.
        QTimer::singleShot(0, window.get(), [] { throw invalidFloat("1.2.3"); });
        QTest::qWait(200);
        QCOMPARE(boxText, QString("Converting ERROR: '1.2.3' is not a valid floating point value"));
        QStringList lines = logText(*window).split('\n');
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0], QString("Converting ERROR: "));
        QCOMPARE(lines[8], QString("(Панель управления -> Язык и стандарты -> Числа)"));
        QVERIFY(window->isVisible());
    }

    // A handler's error is reported by the application's handler, never
    // unwound through Qt's signal delivery; the window stays usable.
    void updateAndRefreshReportABadColourScale()
    {
        QString program = folder->path() + "/part.nc";
        testing::writeFile(program, "%\n G1 X1 F100\n");
        auto window = start({program.toStdString()});
        window->findChild<QLineEdit*>("edMax")->setText("2000.5");
        const auto clickAndReadBox = [&](auto click) {
            QString boxText;
            testing::answerNextMessageBox(&boxText);
            click();
            QTest::qWait(200);
            return boxText;
        };
        QVERIFY(clickAndReadBox([&] { window->findChild<QPushButton*>("Button2")->click(); }).contains("2000.5"));
        QVERIFY(clickAndReadBox([&] { window->findChild<QAction*>("btnBuild")->trigger(); }).contains("2000.5"));
        QVERIFY(window->isVisible());
        window->findChild<QLineEdit*>("edMax")->setText("2000");
        window->findChild<QAction*>("btnBuild")->trigger();
        QCOMPARE(window->context().FPathPoints->Count(), 1);
    }

    // The progress bar comes and goes across the window just above the
    // status bar, over the pages and the view: the view keeps its size, so
    // the end of a long drawing does not draw the whole path again.
    void progressBarLiesAboveTheStatusBarAndResizesNothing()
    {
        auto window = start({});
        auto* progress = window->findChild<QProgressBar*>("ProgressBar");
        auto* status = window->findChild<QWidget*>("StatusBar");
        auto* view = window->findChild<QWidget*>("Panel10");
        for (const QSize size : {QSize(1174, 801), QSize(900, 650)}) {
            window->resize(size);
            QTest::qWait(50);
            const QSize viewSize = view->size();
            window->context().ProgressBar->setVisible(true);
            QTest::qWait(50);
            QVERIFY(progress->isVisible());
            QCOMPARE(view->size(), viewSize);
            QCOMPARE(progress->geometry(), QRect(status->x(), status->y() - progress->sizeHint().height(),
                                                 status->width(), progress->sizeHint().height()));
            const QPoint middle = window->mapFromGlobal(progress->mapToGlobal(progress->rect().center()));
            QCOMPARE(window->childAt(middle), progress);
            window->context().ProgressBar->setVisible(false);
            QTest::qWait(50);
            QVERIFY(!progress->isVisible());
            QCOMPARE(view->size(), viewSize);
        }
    }

    void middleClickOnPanelOneClearsTheFullTime()
    {
        auto window = start({});
        window->context().totals.FFullTime = 100;
        auto* bar = window->findChild<StatusBarWidget*>("StatusBar");
        QTest::mouseClick(bar, Qt::MiddleButton, {}, QPoint(200, 5));
        QCOMPARE(window->context().totals.FFullTime, 0.0);
        QCOMPARE(bar->panelText(1), QString("Full Time = 0"));
        QTest::mouseClick(bar, Qt::RightButton, {}, QPoint(10, 5));
        QCOMPARE(bar->panelWidths()[0], 140);
    }

    void lastStatusPanelReachesTheRightEndOfTheBar()
    {
        auto window = start({});
        window->resize(1200, 700);
        auto* bar = window->findChild<StatusBarWidget*>("StatusBar");
        const QString segment = "Feed: 3000.000 mm/min  Length: 94.263 mm";
        bar->setPanel(5, segment.toStdString());
        QTest::qWait(50);
        auto* last = bar->findChild<QLabel*>("StatusPanel5");
        QCOMPARE(last->geometry().right(), bar->width() - 1);
        QVERIFY(last->width() >= last->fontMetrics().horizontalAdvance(segment));
        // Panel 4's width still places the last panel's left edge.
        QTest::mouseClick(bar, Qt::RightButton, {}, QPoint(bar->width() - 5, 5));
        QTest::qWait(50);
        QCOMPARE(last->geometry().left(), bar->findChild<QLabel*>("StatusPanel4")->geometry().right() + 1);
        QCOMPARE(last->geometry().right(), bar->width() - 1);
    }

    // The run timer keeps drawing the view behind the About box.
    void aboutBoxKeepsTheViewRedrawn()
    {
        auto window = start({});
        RunController& run = window->runController();
        bool whileShown = false;
        testing::answerNext<AboutForm>([&](AboutForm* box) {
            whileShown = run.liveRedraw();
            box->accept();
        });
        window->findChild<QAction*>("About1")->trigger();
        QVERIFY(whileShown);
        QVERIFY(!run.liveRedraw());
    }

    void controlsKeepTheInterpreterSettingsCurrent()
    {
        auto window = start({});
        window->findChild<QLineEdit*>("edRapid")->setText("5000");
        window->findChild<QCheckBox*>("cbIncMode")->setChecked(true);
        window->findChild<QRadioButton*>("rbRoland")->setChecked(true);
        const TInterpreterSettings& settings = window->context().settings;
        QCOMPARE(settings.edRapid, std::string("5000"));
        QVERIFY(settings.cbIncMode);
        QVERIFY(settings.programKind == ProgramKind::Roland);
    }

    void closingWritesTheSettingsAndRemovesTheExtractionFolder()
    {
        QDir().mkpath(QString::fromStdString(paths.tempFolder) + "sub");
        testing::writeFile(QString::fromStdString(paths.tempFolder) + "sub/a.nc", "G0");
        QFile::setPermissions(QString::fromStdString(paths.tempFolder) + "sub/a.nc", QFile::ReadOwner);
        auto window = start({});
        window->findChild<QLineEdit*>("edExt")->setText("*.nc;*.cnc");
        window->close();
        QVERIFY(!QDir(QString::fromStdString(paths.tempFolder)).exists());
        QFile settings(QString::fromStdString(paths.settingsFile));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("extentions=*.nc;*.cnc"));
    }

    void modifiedEditorTextIsSavedOnCloseInTheEncodingItCameIn()
    {
        QString program = folder->path() + "/cyrillic.nc";
        testing::writeFile(program, "%\n(\xD4\xF0\xE5\xE7\xE0)\n");  // "Фреза" in Windows-1251
        auto window = start({"-e", program.toStdString()});
        auto* editor = window->findChild<QsciScintilla*>("SynEdit");
        QCOMPARE(editor->text(), QString("%\n(Фреза)\n"));
        editor->append(" G1 X1\n");
        QString saved = folder->path() + "/saved.nc";
        auto answers = answerSaveWith(saved);
        window->close();
        answers->stop();
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("%\n(\xD4\xF0\xE5\xE7\xE0)\n G1 X1\n"));
    }

    void badColourInTheSettingsIsReportedAndTheFileKept()
    {
        const QByteArray original = "[Colors]\nBackColor=blue\n[Options]\nextentions=*.nc\n";
        testing::writeFile(QString::fromStdString(paths.settingsFile), original);
        QString boxText;
        testing::answerNextMessageBox(&boxText);
        auto window = start({});
        QTest::qWait(300);
        QCOMPARE(boxText, QString("Converting ERROR: 'blue' is not a valid integer value"));
        window->close();
        QFile settings(QString::fromStdString(paths.settingsFile));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), original);
    }

    void programPageReloadsOnlyWhenTheBoxNamesAnotherProgram()
    {
        testing::writeFile(folder->path() + "/a.nc", "G0 X1\n");
        testing::writeFile(folder->path() + "/b.nc", "G0 X2\n");
        auto window = start({});
        auto* pages = window->findChild<QTabWidget*>("PageControl1");
        auto* box = window->findChild<QLineEdit*>("edFileName");
        auto* editor = window->findChild<QsciScintilla*>("SynEdit");
        box->setText(folder->path() + "/a.nc");
        pages->setCurrentIndex(1);
        QCOMPARE(editor->text(), QString("G0 X1\n"));
        editor->setText("kept");
        editor->setModified(false);
        pages->setCurrentIndex(0);
        pages->setCurrentIndex(1);
        QCOMPARE(editor->text(), QString("kept"));
        pages->setCurrentIndex(0);
        box->setText(folder->path() + "/b.nc");
        pages->setCurrentIndex(1);
        QCOMPARE(editor->text(), QString("G0 X2\n"));
        QCOMPARE(window->findChild<QSplitter*>("Splitter4")->sizes().value(1), 0);
    }

    void programPageWithTheTransformationPanelFitsAThousandPixelScreen()
    {
        testing::writeFile(folder->path() + "/a.nc", "G0 X1\n");
        auto window = start({"-e", (folder->path() + "/a.nc").toStdString()});
        auto* pages = window->findChild<QTabWidget*>("PageControl1");
        pages->setCurrentIndex(0);
        pages->setCurrentIndex(1);
        QVERIFY(window->centralWidget()->minimumSizeHint().height() <= 1000);
    }

    void ctrlEnterInTheFileNameBoxBrowsesButLoadsNothing()
    {
        testing::writeFile(folder->path() + "/c.nc", "G0 X3\n");
        auto window = start({});
        auto* box = window->findChild<QLineEdit*>("edFileName");
        auto* editor = window->findChild<QsciScintilla*>("SynEdit");
        box->setText(folder->path() + "/");
        QTimer::singleShot(100, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setDirectory(folder->path());
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("c.nc");
            QMetaObject::invokeMethod(dialog, "accept");
        });
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(box->text(), folder->path() + "/c.nc");
        QCOMPARE(editor->text(), QString());
    }
    // The editor's context-help key is the Help menu's "Main Help".
    void ctrlF1InTheEditorIsMainHelp()
    {
        auto window = start({});
        window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
        auto* editor = window->findChild<QsciScintilla*>("SynEdit");
        int helps = 0;
        connect(window->findChild<QAction*>("MainHelp1"), &QAction::triggered, [&helps] { ++helps; });
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_F1);
        QCOMPARE(helps, 0);
        QTest::keyClick(editor, Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(helps, 1);
    }
};

int runMainWindowStartupTests(int argc, char** argv);

int main(int argc, char** argv)
{
    // Qt's own file dialog, which the test can answer, not the desktop's.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    TarnixApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    testing::installUnexpectedMessageBoxWatchdog();
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv) + runMainWindowStartupTests(argc, argv);
}

#include "main_window_test.moc"
