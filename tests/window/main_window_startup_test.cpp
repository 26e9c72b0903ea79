// The main window's start-up, closing and settings as a new user meets
// them: relative and unreadable programs on the command line, files that
// cannot be written on close, system colours, stored control values, the
// view tool bar and the program page's commands.

#include "window/widgets/main_window.h"
#include "window/widgets/status_bar_widget.h"
#include "window/widgets/tarnix_application.h"
#include "support/main_window_start.h"
#include "support/message_boxes.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <Qsci/qsciscintilla.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>

using namespace tarnix;

namespace {


// Answers every box (No where it can, else OK) and every file or colour
// dialog, and remembers the boxes' texts and whether they stay on top.
class DialogAnswers {
public:
    explicit DialogAnswers(QString fileName = {}, QColor color = {})
    {
        QObject::connect(&poll_, &QTimer::timeout, [this, fileName, color] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (!widget->isVisible())
                    continue;
                if (auto* box = qobject_cast<QMessageBox*>(widget)) {
                    if (answered_.contains(box))
                        continue;
                    answered_ << box;
                    texts << box->text();
                    onTop = onTop && box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                    QAbstractButton* answer = box->button(answerYes ? QMessageBox::Yes : QMessageBox::No);
                    (answer ? answer : box->button(QMessageBox::Ok))->click();
                } else if (auto* dialog = qobject_cast<QFileDialog*>(widget)) {
                    if (answered_.contains(dialog))
                        continue;
                    answered_ << dialog;
                    // After the dialog has listed its folder, which resets its
                    // selection; into the name box itself, which selectFile
                    // leaves alone while it has the keyboard.
                    QTimer::singleShot(300, dialog, [dialog, fileName] {
                        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(fileName);
                        QMetaObject::invokeMethod(dialog, "accept");
                    });
                } else if (auto* picker = qobject_cast<QColorDialog*>(widget)) {
                    picker->setCurrentColor(color);
                    QTimer::singleShot(0, picker, [picker] { QMetaObject::invokeMethod(picker, "accept"); });
                }
            }
        });
        poll_.start(20);
    }

    QStringList texts;
    bool onTop = true;
    bool answerYes = false;

private:
    QTimer poll_;
    QList<QPointer<QWidget>> answered_;
};

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class MainWindowStartupTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;
    AppPaths paths;
    QString root;

    std::unique_ptr<MainWindow> start(const std::vector<std::string>& arguments)
    {
        auto window = testing::startMainWindow(paths, arguments);
        QTest::qWait(100);
        return window;
    }

    QString program(const QString& name, const QByteArray& text = "%\n G1 X10 F100\n")
    {
        QDir().mkpath(QFileInfo(root + name).path());
        testing::writeFile(root + name, text);
        return root + name;
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        root = folder->path() + "/";
        paths.executableFolder = (root + "bin/").toStdString();
        QDir().mkpath(root + "bin");
        paths.executablePath = paths.executableFolder + "tarnix";
        paths.settingsFile = paths.executableFolder + "CNCconfig.ini";
        paths.formStorageFile = paths.executableFolder + "tarnix.ini";
        paths.tempFolder = paths.executableFolder + "tempcnc/";
    }

    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    void relativeProgramIsTakenFromTheCurrentFolder()
    {
        program("examples/bracket.nc");
        QDir::setCurrent(root);
        DialogAnswers answers;
        auto window = start({"examples/bracket.nc"});
        QCOMPARE(answers.texts, QStringList());
        QCOMPARE(window->findChild<QLineEdit*>("edFileName")->text(), root + "examples/bracket.nc");
        QCOMPARE(window->context().FPathPoints->Count(), 1);
        // A fresh process measures the first move from the origin.
        QCOMPARE(window->context().totals.FLength, 10.0);
        QVERIFY(window->isVisible());
    }

    void unreadableProgramIsReportedOnceAndNeverHangs()
    {
        const std::string fifo = (root + "fifo.nc").toStdString();
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        const std::vector<std::vector<std::string>> commandLines = {
            {(root + "missing.nc").toStdString()}, {fifo}, {"/dev/zero"}, {"-e", "/dev/zero"}, {"-e", fifo}};
        for (const auto& arguments : commandLines) {
            DialogAnswers answers;
            auto window = start(arguments);
            QTest::qWait(300);
            QCOMPARE(answers.texts.size(), 1);
            // The editor's load reports a file that cannot be opened, the
            // drawing a file error.
            QVERIFY2(answers.texts[0].startsWith("Файловая ошибка: ")
                         || answers.texts[0].startsWith("Ошибка открытия файла: "),
                     qPrintable(answers.texts[0]));
            QVERIFY(answers.onTop);
        }
    }

    void closeGoesOnWhenTheSettingsCannotBeWritten()
    {
        // A folder in the settings file's place: no user may write it.
        QDir().mkpath(QString::fromStdString(paths.settingsFile));
        QDir().mkpath(QString::fromStdString(paths.tempFolder));
        const QString edited = program("edit.nc");
        auto window = start({"-e", edited.toStdString()});
        window->findChild<QsciScintilla*>("SynEdit")->append(" G1 X2\n");
        DialogAnswers answers;
        window->close();
        QCOMPARE(answers.texts.size(), 2);
        QVERIFY2(answers.texts[0].startsWith("Файловая ошибка: Cannot create"), qPrintable(answers.texts[0]));
        QCOMPARE(answers.texts[1], QString("File modified.  Save now?"));
        QVERIFY(QFile::exists(QString::fromStdString(paths.formStorageFile)));
        QVERIFY(!QDir(QString::fromStdString(paths.tempFolder)).exists());
    }

    // Settings written when the process died leave their temporary files;
    // the next start clears them away, and only them.
    void startRemovesTheTemporaryFilesOfAnInterruptedSettingsWrite()
    {
        const QString bin = QString::fromStdString(paths.executableFolder);
        const QStringList leftovers = {".tarnix2718281828.tmp", ".tarnix17.tmp"};
        const QStringList others = {"CNCconfig.ini.bak", "notes.17.tmp", ".tarnix17x.tmp"};
        for (const QString& name : leftovers + others)
            testing::writeFile(bin + name, "x");
        auto window = start({});
        for (const QString& name : leftovers)
            QVERIFY2(!QFile::exists(bin + name), qPrintable(name));
        for (const QString& name : others)
            QVERIFY2(QFile::exists(bin + name), qPrintable(name));
    }

    void aFormStorageFileThatCannotBeWrittenIsReportedWithTheReason()
    {
        // A folder in the file's place.
        QDir().mkpath(QString::fromStdString(paths.formStorageFile));
        auto window = start({});
        DialogAnswers answers;
        window->close();
        QCOMPARE(answers.texts.size(), 1);
        QCOMPARE(answers.texts[0], "Файловая ошибка: Cannot create \"" + QString::fromStdString(paths.formStorageFile) +
                                       "\": " + QString::fromLocal8Bit(std::strerror(EISDIR)));
    }

    void storedControlValuesAndHeightsSurviveARestart()
    {
        const QString masks = "*.nc;" + QString(40'000, 'x');
        int listHeight = 0;
        {
            auto window = start({});
            window->findChild<QLineEdit*>("edFine")->setText("5");
            window->findChild<QLineEdit*>("edExt")->setText(masks);
            auto* splitter = window->findChild<QSplitter*>("Splitter4");
            const QList<int> sizes = splitter->sizes();
            splitter->setSizes({sizes[0] + sizes[1] - 123, 123});
            listHeight = window->findChild<QWidget*>("lvFiles")->height();
            window->close();
        }
        QVERIFY(readAll(QString::fromStdString(paths.settingsFile)).contains("extentions=" + masks + "\n"));
        auto window = start({});
        QCOMPARE(window->findChild<QLineEdit*>("edFine")->text(), QString("5"));
        QCOMPARE(window->findChild<QLineEdit*>("edExt")->text(), masks);
        QCOMPARE(window->findChild<QWidget*>("lvFiles")->height(), listHeight);
    }

    // The program page keeps the view on the whole right side also when the
    // stored list height arrives; the Explorer page gets the list back.
    void storedListHeightWaitsForTheExplorerPage()
    {
        {
            auto window = start({});
            auto* splitter = window->findChild<QSplitter*>("Splitter4");
            const QList<int> sizes = splitter->sizes();
            splitter->setSizes({sizes[0] + sizes[1] - 123, 123});
            window->close();
        }
        auto window = start({"-e", program("edit.nc").toStdString()});
        auto* splitter = window->findChild<QSplitter*>("Splitter4");
        QCOMPARE(splitter->sizes().value(1), 0);
        window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(0);
        // The splitter may move its handle by a few pixels as the window
        // settles; what counts is that the list is back at its height.
        const int listHeight = splitter->sizes().value(1);
        QVERIFY2(qAbs(listHeight - 123) <= 8, qPrintable(QString::number(listHeight)));
    }

    // The list's height is the one it had on the Explorer page, whichever
    // page the window closed on, and no stored height hides the list or
    // the log pane.
    void listAndLogPaneComeBackWhateverPageTheWindowClosedOn()
    {
        {
            auto window = start({});
            auto* splitter = window->findChild<QSplitter*>("Splitter4");
            const QList<int> sizes = splitter->sizes();
            splitter->setSizes({sizes[0] + sizes[1] - 123, 123});
            window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
            window->close();
        }
        QSettings stored(QString::fromStdString(paths.formStorageFile), QSettings::IniFormat);
        const int listHeight = stored.value("FormStorage1/lvFiles.Height").toInt();
        QVERIFY2(qAbs(listHeight - 123) <= 8, qPrintable(QString::number(listHeight)));

        struct Damaged {
            int listHeight, folderPanelHeight;
        };
        for (const Damaged damaged : {Damaged{0, 100000}, Damaged{100000, 3}}) {
            stored.setValue("FormStorage1/lvFiles.Height", damaged.listHeight);
            stored.setValue("FormStorage1/Panel3.Height", damaged.folderPanelHeight);
            stored.sync();
            auto window = start({});
            // The view over the list, the folders over the log pane.
            for (const char* lower : {"lvFiles", "Scroll"}) {
                auto* splitter = qobject_cast<QSplitter*>(window->findChild<QWidget*>(lower)->parentWidget());
                if (!splitter)
                    splitter = window->findChild<QSplitter*>("Splitter4");
                QVERIFY2(splitter->sizes().value(0) > 40, lower);
                QVERIFY2(window->findChild<QWidget*>(lower)->height() > 40, lower);
            }
        }
    }

    void systemColoursComeFromTheDesktopPalette()
    {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
        palette.setColor(QPalette::Highlight, QColor(0x65, 0x43, 0x21));
        QApplication::setPalette(palette);
        // Button face and highlight, as the settings file stores them.
        testing::writeFile(QString::fromStdString(paths.settingsFile),
                           "[Colors]\nBackColor=-2147483633\nG0Color=-2147483635\n");
        auto window = start({});
        QVERIFY(window->findChild<QPushButton*>("edBackCol")->styleSheet().contains("#123456"));
        QCOMPARE(window->view()->sceneInput().FBackColor, 0x563412);
        QCOMPARE(window->context().settings.FG0ColorGL[0], 0x65 / 255.0f);
        window->close();
        QVERIFY(readAll(QString::fromStdString(paths.settingsFile)).contains("BackColor=-2147483633"));
        QApplication::setPalette(QPalette());
    }

    void changedColourIsWrittenToTheSettingsFile()
    {
        auto window = start({});
        DialogAnswers answers({}, QColor(0x0A, 0x0B, 0x0C));
        window->findChild<QPushButton*>("edBackCol")->click();
        QVERIFY(readAll(QString::fromStdString(paths.settingsFile)).contains("BackColor=789258"));
        QCOMPARE(window->view()->sceneInput().FBackColor, 0x0C0B0A);
    }

    void viewToolBarPresetsSetTheCamera()
    {
        auto window = start({});
        struct Preset {
            const char* button;
            float rotX, rotZ, viewDist;
        };
        for (const Preset& preset : {Preset{"btnYX", 0, 0, -300}, Preset{"btnZX", -90, 0, -300},
                                     Preset{"btnZY", -90, -90, -300}, Preset{"btnPersp", -60, 50, -3}}) {
            auto* button = window->findChild<QAction*>(preset.button);
            QVERIFY2(button != nullptr, preset.button);
            button->trigger();
            const TViewCamera& camera = window->view()->sceneInput().camera;
            QCOMPARE(camera.FRotX, preset.rotX);
            QCOMPARE(camera.FRotZ, preset.rotZ);
            QCOMPARE(camera.FViewDist, preset.viewDist);
        }
    }

    void captionsHintsAndStatusBarSizes()
    {
        auto window = start({});
        QCOMPARE(window->findChild<QCheckBox*>("cbFRLimits")->text(), QString("View Feedrate limits in Explorer"));
        auto* build = window->findChild<QAction*>("btnBuild");
        QCOMPARE(build->toolTip(), QString("Refresh View"));
        QCOMPARE(build->statusTip(), QString("Current edit  file Refresh View "));
        auto* bar = window->findChild<StatusBarWidget*>("StatusBar");
        QCOMPARE(bar->height(), 17);
        QCOMPARE(bar->findChild<QWidget*>("StatusPanel0")->width(), 135);
        QCOMPARE(bar->toolTip().split('\n').first(), QString("Click MMB to reset \"Full  Time\""));
    }

    void buildAsksToSaveTheEditedTextAndDrawsTheFile()
    {
        const QString edited = program("edit.nc");
        auto window = start({"-e", edited.toStdString()});
        window->findChild<QsciScintilla*>("SynEdit")->append(" G1 X20\n");
        DialogAnswers answers;
        window->findChild<QAction*>("btnBuild")->trigger();
        QCOMPARE(answers.texts, QStringList{"Current file modified.  Save now?"});
        // Not saved: the file as it is on disk is drawn.
        QCOMPARE(readAll(edited), QString("%\n G1 X10 F100\n"));
        QCOMPARE(window->context().FPathPoints->Count(), 1);
    }

    void updateRebuildsAndEveryClearCommandEmptiesThePath()
    {
        const QString part = program("part.nc");
        auto window = start({part.toStdString()});
        QCOMPARE(window->context().FPathPoints->Count(), 1);
        testing::writeFile(part, "%\n G1 X10 F100\n G1 X20\n G1 X30\n");
        window->findChild<QPushButton*>("Button2")->click();
        QCOMPARE(window->context().FPathPoints->Count(), 3);
        for (const char* clear : {"Clear1", "btnClear", "btnClearExpl"}) {
            window->findChild<QPushButton*>("Button2")->click();
            window->findChild<QAction*>(clear)->trigger();
            QCOMPARE(window->context().FPathPoints->Count(), 0);
        }
    }
};

int runMainWindowStartupTests(int argc, char** argv)
{
    MainWindowStartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_window_startup_test.moc"
