// The "File Information" dialog and the commands that measure programs:
// the countdown, the keys, "Set as box", the menu command, the Explorer's
// button with the list's columns, "Time selected" and the report.

#include "common/time_length_text.h"
#include "explorer/widgets/explorer.h"
#include "explorer/widgets/explorer_file_list.h"
#include "explorer_list_clicks.h"
#include "run/widgets/run_controller.h"
#include "support/app_paths_in.h"
#include "support/main_window_start.h"
#include "support/scratch_folder.h"
#include "window/widgets/file_info_dialog.h"
#include "window/widgets/main_window.h"
#include "window/widgets/status_bar_widget.h"
#include "window/widgets/tarnix_application.h"
#include "zip_test_archive.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTimer>

#include <functional>
#include <memory>

using namespace tarnix;
using namespace tarnix::testing;
using namespace std::chrono_literals;

namespace {


// 27.7 s over 51 mm in five lines, feed extents X 20, Y 20, Z -1.
const QByteArray kFourMoves = "%\nG0 X0 Y0 Z5\nG1 Z-1 F100\nG1 X20\nG1 Y20\n";
// One second of cutting in two lines.
const QByteArray kOneCut = "G0 X0 Y0\nG1 X10 F600\n";
// 10 s of cuts, then a word that is no number.
const QByteArray kBadWord = "G1 X0 F60\nX10\nXabc\nX20\n";

// Counts the showings of a dialog and acts on each once it is open.
class DialogWatch : public QObject {
public:
    explicit DialogWatch(QDialog& dialog) { dialog.installEventFilter(this); }

    std::function<void(QDialog&)> onShown;
    int showings = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            ++showings;
            auto* dialog = static_cast<QDialog*>(watched);
            if (onShown)
                QTimer::singleShot(0, dialog, [this, dialog] { onShown(*dialog); });
        }
        return false;
    }
};

QPushButton& closeButton(QDialog& dialog) { return *dialog.findChild<QPushButton*>("Button1"); }
QString field(QDialog& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name)->text(); }

// A point of the dialog's own background, away from its controls.
QPoint backgroundPoint(QWidget& dialog)
{
    for (int y = 1; y < dialog.height(); y += 2)
        for (int x = 1; x < dialog.width(); x += 2)
            if (dialog.childAt(x, y) == nullptr)
                return {x, y};
    return {};
}

// The desktop's opener "xdg-open" replaced, for as long as this lives, by
// a script that runs `body` with the file as "$1".
class DesktopOpener {
public:
    DesktopOpener(const QString& folder, const QByteArray& body) : savedPath_(qgetenv("PATH"))
    {
        writeFile(folder + "xdg-open", "#!/bin/sh\n" + body + "\n");
        QFile(folder + "xdg-open").setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", (folder + ":" + savedPath_).toUtf8());
    }
    ~DesktopOpener() { qputenv("PATH", savedPath_.toUtf8()); }

private:
    QString savedPath_;
};

}  // namespace

class FileInfoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> home;
    QString programs;  // ending in "/"
    AppPaths paths;
    std::unique_ptr<MainWindow> window;
    ExplorerFileList* list = nullptr;
    std::unique_ptr<DialogWatch> watch;

    void start()
    {
        writeFile(QString::fromStdString(paths.settingsFile),
                  "[Options]\nStart_dir=" + programs.toUtf8() + "\nextentions=*.nc;*.rol;*.zip\n");
        window = testing::startMainWindow(paths);
        list = window->findChild<ExplorerFileList*>("lvFiles");
        window->fileInfoForm()->setTickInterval(5ms);
        watch = std::make_unique<DialogWatch>(*window->fileInfoForm());
    }

    QString panel(int index) const { return window->findChild<StatusBarWidget*>()->panelText(index); }
    QTreeWidgetItem* row(const QString& caption) const { return list->topLevelItem(captions(*list).indexOf(caption)); }
    QStringList cells(const QString& caption) const
    {
        return {row(caption)->text(ExplorerFileList::ProgramTimeColumn), row(caption)->text(ExplorerFileList::LinesColumn)};
    }
    void select(const QStringList& names)
    {
        list->clearSelection();
        for (const QString& name : names)
            row(name)->setSelected(true);
    }
    void trigger(QObject* owner, const char* action) { owner->findChild<QAction*>(action)->trigger(); }
    void measureFromTheMenu(const QString& program)
    {
        window->findChild<QLineEdit*>("edFileName")->setText(program);
        trigger(window.get(), "mnGetFileInfo");
    }

private slots:
    void init()
    {
        home = std::make_unique<QTemporaryDir>();
        const QString root = home->path() + "/";
        paths = testing::appPathsIn(root);
        programs = root + "programs/";
        QDir().mkpath(programs);
        writeFile(programs + "a.nc", kOneCut);
        writeFile(programs + "bad.nc", kBadWord);
        writeFile(programs + "c.nc", kFourMoves);
    }

    void cleanup()
    {
        watch.reset();
        window.reset();
    }

    void severalProgramsCountDownUntilAMouseMoveStopsIt()
    {
        TForm2 form;
        form.setTickInterval(20ms);
        QStringList captions;
        connect(form.findChild<QTimer*>("tmrGetInfo"), &QTimer::timeout, &form,
                [&] { captions << closeButton(form).text() + (closeButton(form).font().bold() ? " bold" : ""); });
        form.ShowFileInfo({}, true);
        QCOMPARE(captions, QStringList({"Close -4 bold", "Close -3 bold", "Close -2 bold", "Close -1 bold", "Close"}));

        captions.clear();
        form.setTickInterval(300ms);  // time enough to move the mouse after the first tick
        bool openAfterTheMove = false;
        qsizetype ticksAtTheMove = 0;
        QTimer::singleShot(0, &form, [&] {
            QTRY_VERIFY(!captions.isEmpty());
            const QPointF at = backgroundPoint(form);
            QMouseEvent move(QEvent::MouseMove, at, form.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&form, &move);
            ticksAtTheMove = captions.size();
            QTest::qWait(1000);
            openAfterTheMove = form.isVisible();
            form.reject();
        });
        form.ShowFileInfo({}, true);
        QVERIFY(openAfterTheMove);
        QCOMPARE(captions.size(), ticksAtTheMove);
        QCOMPARE(closeButton(form).text(), QString("Close"));
        QVERIFY(!closeButton(form).font().bold());
    }

    void editsSwallowEveryKeyAndEscCloses()
    {
        TForm2 form;
        form.setTickInterval(5ms);
        QString typed;
        bool countingDown = true;
        QTimer::singleShot(0, &form, [&] {
            countingDown = form.findChild<QTimer*>("tmrGetInfo")->isActive();
            auto* edit = form.findChild<QLineEdit*>("edTime");
            edit->setFocus();
            QTest::keyClicks(edit, "12");
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            typed = edit->text();
            QTest::keyClick(edit, Qt::Key_Escape);
        });
        FileInfoFields info;
        info.edTime = " 0: 0: 6";
        form.ShowFileInfo(info, false);
        QVERIFY(!countingDown);  // one program: the dialog stays
        QCOMPARE(typed, QString(" 0: 0: 6"));
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }

    void menuCommandShowsTheProgramAndSetAsBoxTakesItsExtents()
    {
        start();
        QStringList shown;
        watch->onShown = [&](QDialog& dialog) {
            shown << field(dialog, "edTime") << field(dialog, "edLength") << field(dialog, "edMinZ")
                  << field(dialog, "edMaxX");
            dialog.findChild<QPushButton*>("btnSetAsBox")->click();
            QVERIFY(dialog.isVisible());
            closeButton(dialog).click();
        };
        measureFromTheMenu(programs + "c.nc");
        QCOMPARE(shown, QStringList({" 0: 0:28", "0.051", "-1  G0(5)", "20"}));
        QCOMPARE(panel(2), QString("Line 5  Time  0: 0:28  Length(m) 0.051"));
        QCOMPARE(panel(1), QString("Full Time  0: 0:28"));
        const TProgramBox& box = window->context().programBox;
        QCOMPARE(QList<double>({box.gMinX, box.gMaxX, box.gMinY, box.gMaxY, box.gMinZ, box.gMaxZ}),
                 QList<double>({20, 20, 20, 20, -1, -1}));
    }

    // The run tool bar's button measures the editor's program from its
    // "First line" on: the lines before it are only pre-scanned.
    void runToolBarButtonMeasuresFromTheFirstLine()
    {
        start();
        QString lineText;
        watch->onShown = [&](QDialog& dialog) { closeButton(dialog).click(); };
        window->findChild<QLineEdit*>("edFileName")->setText(programs + "c.nc");
        window->findChild<QLineEdit*>("edStartPoint")->setText("3");
        auto* button = window->findChild<QToolButton*>("tbtnGetFileInfo");
        QVERIFY(button->isEnabled());
        button->click();
        QVERIFY(panel(2).startsWith("Line 2 "));
    }

    // The click on the Roland program makes it the kind of the window; the
    // G-code program after it in the series names its own kind.
    void eachProgramIsMeasuredAsItsOwnKind()
    {
        writeFile(programs + "g.nc", "%\n" + kFourMoves);
        writeFile(programs + "r.rol", "^IN;V15;Z0,0,0;Z1500,0,0;\n");
        start();
        clickRow(*list, captions(*list).indexOf("r.rol"));
        QCOMPARE(window->context().settings.programKind, ProgramKind::Roland);
        select({"g.nc", "r.rol"});
        trigger(list->popupMenu(), "GetInfoSelected1");
        QCOMPARE(cells("g.nc"), QStringList({" 0: 0:28", "6"}));
        QCOMPARE(cells("r.rol"), QStringList({" 0: 0: 1", "1"}));
        QCOMPARE(window->context().settings.programKind, ProgramKind::Roland);
    }

    // The run timer keeps drawing the view behind the dialog; afterwards the
    // flag is as it was, so a run going on behind goes on being drawn.
    void runTimerRedrawsTheViewWhileTheDialogIsShown()
    {
        start();
        RunController& run = window->runController();
        QList<bool> whileShown;
        watch->onShown = [&](QDialog& dialog) {
            whileShown << run.liveRedraw();
            dialog.accept();
        };
        measureFromTheMenu(programs + "a.nc");
        QVERIFY(!run.liveRedraw());
        run.setLiveRedraw(true);  // as a running program sets it
        measureFromTheMenu(programs + "a.nc");
        QVERIFY(run.liveRedraw());
        QCOMPARE(whileShown, QList<bool>({true, true}));
    }

    void conversionErrorShowsNoDialogAndKeepsWhatWasSummed()
    {
        start();
        const QString panel1 = panel(1);
        QString box;
        answerNextMessageBox(&box);
        measureFromTheMenu(programs + "bad.nc");
        QTRY_VERIFY(!box.isEmpty());
        QCOMPARE(watch->showings, 0);
        QCOMPARE(window->context().totals.FTime, 10.0);
        QCOMPARE(window->context().totals.FFullTime, 0.0);
        QCOMPARE(panel(1), panel1);

        // From the list: the program before keeps its cells, the rest keep theirs.
        select({"a.nc", "bad.nc", "c.nc"});
        box.clear();
        answerNextMessageBox(&box);
        trigger(list->popupMenu(), "GetInfoSelected1");
        QTRY_VERIFY(!box.isEmpty());
        QCOMPARE(watch->showings, 1);
        QCOMPARE(cells("a.nc"), QStringList({" 0: 0: 1", "2"}));
        QCOMPARE(cells("bad.nc"), QStringList({"not calculated", "not calculated"}));
        QCOMPARE(cells("c.nc"), QStringList({"not calculated", "not calculated"}));

        // The error ended the series: one program shows without a countdown.
        bool countingDown = true;
        watch->onShown = [&](QDialog& dialog) {
            countingDown = dialog.findChild<QTimer*>("tmrGetInfo")->isActive();
            dialog.accept();
        };
        select({"c.nc"});
        window->findChild<QAction*>("btnInfo")->trigger();
        QVERIFY(!countingDown);
        QCOMPARE(cells("c.nc"), QStringList({" 0: 0:28", "5"}));

        // The same for the menu command after another failed series.
        select({"a.nc", "bad.nc"});
        box.clear();
        answerNextMessageBox(&box);
        watch->onShown = {};
        trigger(list->popupMenu(), "GetInfoSelected1");
        QTRY_VERIFY(!box.isEmpty());
        countingDown = true;
        watch->onShown = [&](QDialog& dialog) {
            countingDown = dialog.findChild<QTimer*>("tmrGetInfo")->isActive();
            dialog.accept();
        };
        measureFromTheMenu(programs + "c.nc");
        QVERIFY(!countingDown);
    }

    void twoProgramsFillTheirColumnsAndTheReportListsEveryProgram()
    {
        start();
        select({"a.nc", "c.nc"});
        trigger(list->popupMenu(), "GetInfoSelected1");  // no dialog is closed by the test
        QCOMPARE(watch->showings, 2);
        QCOMPARE(cells("a.nc"), QStringList({" 0: 0: 1", "2"}));
        QCOMPARE(cells("c.nc"), QStringList({" 0: 0:28", "5"}));
        QCOMPARE(panel(1), QString("Full Time  0: 0:29"));

        const DesktopOpener opener(home->path() + "/", "echo \"$1\" > \"$(dirname \"$0\")/opened\"");
        trigger(list->popupMenu(), "pmnMakeReport");
        QTRY_COMPARE(QString::fromStdString(readFile(home->path().toStdString() + "/opened")),
                     programs + "Report.txt\n");
        const QStringList lines = QString::fromStdString(readFile((programs + "Report.txt").toStdString())).split("\r\n");
        QCOMPARE(lines.size(), 2 + 3 + 2 + 1);  // header and rule, items, rule and total, the end
        QCOMPARE(lines[1], QString(142, '-'));
        const QTreeWidgetItem* bad = row("bad.nc");
        QCOMPARE(lines[3].simplified(),
                 QString("2 bad.nc %1 %2 not calculated not calculated").arg(bad->text(1), bad->text(2)));
        QCOMPARE(lines[4].simplified(), QString("3 c.nc %1 %2 0: 0:28 5").arg(row("c.nc")->text(1), row("c.nc")->text(2)));
        QCOMPARE(lines[6], QString("Full Time  0: 0:29"));
    }

    // Without an application for text files the user is told where the
    // report is.
    void reportThatNothingOpensSaysWhereItWasWritten()
    {
        start();
        QString box;
        answerNextMessageBox(&box);
        const QString saved = qgetenv("PATH");
        qputenv("PATH", "");  // no desktop launcher can be found
        trigger(list->popupMenu(), "pmnMakeReport");
        qputenv("PATH", saved.toUtf8());
        QTRY_VERIFY(!box.isEmpty());
        QVERIFY2(box.contains(programs + "Report.txt"), qPrintable(box));
        QVERIFY(QFile::exists(programs + "Report.txt"));
    }

    // The desktop's opener starts, finds no application and gives up.
    void reportThatNoApplicationTakesSaysWhereItWasWritten()
    {
        start();
        QString box;
        answerNextMessageBox(&box);
        const DesktopOpener opener(home->path() + "/", "exit 3");
        trigger(list->popupMenu(), "pmnMakeReport");
        QTRY_VERIFY(!box.isEmpty());
        QVERIFY2(box.contains(programs + "Report.txt"), qPrintable(box));
    }

    void timeSelectedSumsTheSelectedTimeCells()
    {
        start();
        row("a.nc")->setText(ExplorerFileList::ProgramTimeColumn, " 0:10: 0");
        row("bad.nc")->setText(ExplorerFileList::ProgramTimeColumn, " 1: 0:30");
        row("c.nc")->setText(ExplorerFileList::ProgramTimeColumn, " 2: 0: 0");
        select({"a.nc", "bad.nc"});
        trigger(list->popupMenu(), "Timeselected");
        QCOMPARE(panel(1), QString("Full Time  1:10:30"));
        select({});
        trigger(list->popupMenu(), "Timeselected");
        QCOMPARE(panel(1), QString("Full Time  0: 0: 0"));
        QCOMPARE(window->context().totals.FFullTime, 0.0);
    }

    void archiveEntriesAreMeasuredFromTheExtractedArchive()
    {
        const TestZipArchive archive{.entries = {{.name = "dir/sub/name.nc"}, {.name = "top.nc"}}};
        const std::string bytes = archive.bytes();
        writeFile(programs + "set.zip", QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
        start();
        clickRow(*list, captions(*list).indexOf("set.zip"));
        int extractions = 0;
        window->explorer()->ZipEntryClick = [&](const std::string& tempDir, bool& extracted, const std::string& entry) {
            if (!extracted) {
                ++extractions;
                QDir().mkpath(QString::fromStdString(tempDir));
                writeFile(QString::fromStdString(tempDir) + "name.nc", kFourMoves);
                writeFile(QString::fromStdString(tempDir) + "top.nc", kOneCut);
                extracted = true;
            }
            return tempDir + entry.substr(entry.find_last_of('/') + 1);
        };
        select({"dir/sub/name.nc", "top.nc"});  // selected without a click: nothing extracted yet
        trigger(list->popupMenu(), "GetInfoSelected1");
        QCOMPARE(extractions, 1);
        QCOMPARE(cells("dir/sub/name.nc"), QStringList({" 0: 0:28", "5"}));
        QCOMPARE(cells("top.nc"), QStringList({" 0: 0: 1", "2"}));
    }
};

int main(int argc, char** argv)
{
    TarnixApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    FileInfoTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "file_info_test.moc"
