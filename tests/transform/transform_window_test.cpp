// Transformations in the main window: the panel's captions and interlocks,
// Apply on the program page (the output drawn again is the transformed
// part), the guard for the source, a batch of marked files without dialogs,
// the refusal during a run, and the same bytes as the convert_program tool.
// Qt Test under xvfb-run -a.

#include "common/errors.h"
#include "support/app_paths_in.h"
#include "support/main_window_start.h"
#include "explorer/widgets/explorer.h"
#include "explorer/widgets/explorer_file_list.h"
#include "run/widgets/run_controller.h"
#include "support/message_boxes.h"
#include "support/scratch_folder.h"
#include "transform/widgets/transform_commands.h"
#include "transform/widgets/transform_panel.h"
#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QToolButton>
#include <Qsci/qsciscintilla.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>

using namespace tarnix;
using tarnix::testing::answerNext;
using tarnix::testing::answerNextMessageBox;
using tarnix::testing::readFile;

namespace {

// Accepts the save dialog with its proposed name, which it remembers.
void acceptProposedName(const QString& folder, QString* proposed)
{
    answerNext<QFileDialog>([folder, proposed](QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        *proposed = name->text();
        // Typed in full: the dialog's folder listing may not have arrived yet.
        name->setText(folder + "/" + *proposed);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
}

struct Point {
    long double x, y, z;
    bool rapid;
};

const char* const kProgram = "G90 G17\nG0 X0 Y0 Z5\nG1 Z-1 F100\nG1 X10\nG1 Y5\nG1 X2 Y5 Z-2\nG0 Z5\nM30\n";

// Closes every modal dialog that comes up, counting them: a run that must
// show none is not left waiting on one.
struct ModalCloser {
    int closed = 0;
    QTimer watch;
    ModalCloser()
    {
        QObject::connect(&watch, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++closed;
                modal->close();
            }
        });
        watch.start(20);
    }
    void stop() { watch.stop(); }
};

}  // namespace

class TransformWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<MainWindow> window;
    TransformPanel* panel = nullptr;

    template <typename Widget>
    Widget* child(const char* name)
    {
        return window->findChild<Widget*>(name);
    }

    QString path(const char* name) const { return folder->filePath(name); }
    std::string write(const char* name, const std::string& text)
    {
        tarnix::testing::writeFile(path(name).toStdString(), text);
        return path(name).toStdString();
    }
    void showPage(int index) { child<QTabWidget>("PageControl1")->setCurrentIndex(index); }
    void openInEditor(const std::string& file)
    {
        child<QLineEdit>("edFileName")->setText(QString::fromStdString(file));
        child<QAction>("btnEditOpen")->trigger();
    }
    QRadioButton* item(QGroupBox* group, int index) { return group->findChildren<QRadioButton*>().at(index); }
    TransformCommands& commands() { return window->transformCommands(); }
    // Calls `act` at the run's first yield: on a program of hundreds of
    // thousands of lines, long before its end.
    void atTheRunsFirstYield(QTimer& timer, std::function<void()> act)
    {
        connect(&timer, &QTimer::timeout, this, [this, &timer, act = std::move(act)] {
            if (window->runController().debugger().IsRunning()) {
                timer.stop();
                act();
            }
        });
        timer.start(10);
    }

    std::vector<Point> drawn(const std::string& file)
    {
        child<QLineEdit>("edFileName")->setText(QString::fromStdString(file));
        window->btnBuildClick();
        std::vector<Point> points;
        for (auto p = window->context().FPathPoints->First(); p; p.Next())
            points.push_back({p->X, p->Y, p->Z, p->Rapid});
        return points;
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        const AppPaths paths = testing::appPathsIn(folder->path() + "/");
        window = testing::startMainWindow(paths);
        showPage(1);
        QTest::qWait(50);
        panel = child<TransformPanel>("Panel11");
    }

    void cleanup() { window.reset(); }

    void panelCaptionsAndInterlocks()
    {
        QCOMPARE(panel->cbConstFz->text(), QString("Const speed  Z"));
        // Qt shows a doubled ampersand as one, as the caption asks.
        QCOMPARE(panel->cbG0->text(), QString("G1 && G0 Const speed Z"));
        QCOMPARE(panel->cbG0->toolTip(), QString("Set Z speed constant both G1 and G0 "));
        QCOMPARE(item(panel->rgRotate, 2)->text(), QString("Rotate arround Z"));
        const TInterpreterSettings& settings = window->context().settings;
        const TTransformPanel& model = window->converter().params().panel;

        panel->cbConstFz->click();
        QVERIFY(!panel->cbConstSpeedF->isEnabled() && !panel->cbLimitZ->isEnabled() && panel->cbG0->isEnabled());
        panel->cbG0->click();
        QVERIFY(settings.cbConstFz && model.cbG0);
        panel->cbConstFz->click();
        QVERIFY(!panel->cbG0->isChecked() && !panel->cbG0->isEnabled() && !model.cbG0);
        QVERIFY(panel->cbConstSpeedF->isEnabled() && panel->cbLimitZ->isEnabled());
        panel->cbLimitZ->click();
        QVERIFY(!panel->cbConstSpeedF->isEnabled() && !panel->cbConstFz->isEnabled() && settings.cbLimitZ);
        panel->cbLimitZ->click();
        panel->cbConstSpeedF->click();
        QVERIFY(!panel->cbLimitZ->isEnabled() && !panel->cbConstFz->isEnabled() && !panel->cbG0->isEnabled());
        panel->edSpeedX->setText("500");
        QCOMPARE(panel->edSpeedZ->text(), QString("500"));
        QCOMPARE(settings.FSpeedZ, 500.0);

        panel->cbZmax->click();
        panel->cbZmin->click();
        QVERIFY(!panel->cbZmax->isChecked() && !model.cbZmax && model.cbZmin);

        item(panel->rgRotate, 2)->click();
        QCOMPARE(model.rgRotate, 2);
        item(panel->rgMirror, 0)->click();
        QVERIFY(model.rgRotate == -1 && !item(panel->rgRotate, 2)->isChecked() && model.rgMirror == 0);
        item(panel->rgMirror, 3)->click();
        QVERIFY(model.rgMirror == -1 && !item(panel->rgMirror, 3)->isChecked());
        item(panel->rgRotate, 1)->click();
        panel->edAngle->clear();
        QVERIFY(model.rgRotate == -1 && !item(panel->rgRotate, 1)->isChecked());

        panel->BitBtn2->click();
        QCOMPARE(panel->height(), 25);
        panel->BitBtn2->click();
        QCOMPARE(panel->height(), 321);
    }

    void applyOnTheProgramPageSavesTheTransformedPart()
    {
        const std::string source = write("part.nc", kProgram);
        openInEditor(source);
        item(panel->rgRotate, 2)->click();
        panel->edAngle->setText("90");
        QString proposed;
        acceptProposedName(folder->path(), &proposed);
        panel->btnTransform->click();
        QCOMPARE(proposed, QString("part_Rotated_Z_90.nc"));
        const std::string output = path("part_Rotated_Z_90.nc").toStdString();
        QVERIFY(std::filesystem::exists(output));
        QCOMPARE(readFile(source), std::string(kProgram));

        const std::vector<Point> original = drawn(source);
        const std::vector<Point> turned = drawn(output);
        QCOMPARE(turned.size(), original.size());
        QVERIFY(original.size() > 5);
        for (std::size_t i = 0; i < original.size(); ++i) {
            const Point& o = original[i];
            const Point& t = turned[i];
            QVERIFY2(std::abs(t.x + o.y) < 1e-3 && std::abs(t.y - o.x) < 1e-3 && std::abs(t.z - o.z) < 1e-3,
                     qPrintable(QString("point %1").arg(i)));
            QCOMPARE(t.rapid, o.rapid);
        }

        // Applied again, the first output is kept.
        openInEditor(source);
        acceptProposedName(folder->path(), &proposed);
        panel->btnTransform->click();
        QCOMPARE(proposed, QString("part_Rotated_Z_90(1).nc"));
        QCOMPARE(readFile(path("part_Rotated_Z_90(1).nc").toStdString()), readFile(output));
    }

    // The output lands in the folder the list shows: the list shows it at
    // once, selected; a batch's outputs are listed.
    void theListShowsTheNewFiles()
    {
        write("a.nc", kProgram);
        write("b.nc", kProgram);
        window->explorer()->browseTo(folder->path().toStdString() + "/");
        auto* list = window->findChild<ExplorerFileList*>();
        auto selectedNames = [list] {
            QStringList names;
            for (QTreeWidgetItem* selected : list->selectedItems())
                names << selected->text(ExplorerFileList::NameColumn);
            return names;
        };
        openInEditor(path("a.nc").toStdString());
        item(panel->rgMirror, 0)->click();
        QString proposed;
        acceptProposedName(folder->path(), &proposed);
        panel->btnTransform->click();
        QCOMPARE(selectedNames(), QStringList{"a_Mirrored_X.nc"});

        showPage(0);
        for (const char* name : {"a.nc", "b.nc"})
            list->findItems(name, Qt::MatchExactly).at(0)->setCheckState(ExplorerFileList::NameColumn, Qt::Checked);
        panel->btnTransform->click();
        for (const char* name : {"a_Mirrored_X(1).nc", "b_Mirrored_X.nc"})
            QCOMPARE(list->findItems(name, Qt::MatchExactly).size(), 1);
    }

    void savingUnderTheSourceNameIsRefused()
    {
        const std::string source = write("part.tap", kProgram);
        openInEditor(source);
        item(panel->rgMirror, 0)->click();
        // "part" with "All files" becomes part.tap: the source itself.
        answerNext<QFileDialog>([this](QFileDialog* dialog) {
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path("part"));
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        QString message;
        answerNextMessageBox(&message);
        panel->btnTransform->click();
        QCOMPARE(message, "File " + path("part.tap") + " exists, change File name to save.");
        QCOMPARE(readFile(source), std::string(kProgram));
    }

    void batchTransformsTheMarkedFilesWithoutDialogs()
    {
        const char* const names[] = {"a.nc", "b.nc", "c.nc"};
        for (const char* name : names)
            write(name, kProgram);
        write("skipped.nc", kProgram);
        window->explorer()->browseTo(folder->path().toStdString() + "/");
        showPage(0);
        auto* list = window->findChild<ExplorerFileList*>();
        auto mark = [list, &names] {
            for (const char* name : names)
                list->findItems(name, Qt::MatchExactly).at(0)->setCheckState(ExplorerFileList::NameColumn, Qt::Checked);
        };
        item(panel->rgMirror, 1)->click();
        QString message;
        answerNextMessageBox(&message);
        panel->btnTransform->click();
        QCOMPARE(message, QString("Check at least one or more files to Transform."));
        mark();

        std::vector<int> progress;
        auto* bar = child<QProgressBar>("ProgressBar");
        const QMetaObject::Connection counting =
            connect(bar, &QProgressBar::valueChanged, this, [&progress](int value) { progress.push_back(value); });
        ModalCloser closer;

        panel->btnTransform->click();
        for (const char* stem : {"a", "b", "c"})
            QVERIFY(std::filesystem::exists(path(stem).toStdString() + "_Mirrored_Y.nc"));
        QVERIFY(!std::filesystem::exists(path("skipped_Mirrored_Y.nc").toStdString()));
        disconnect(counting);
        std::erase(progress, 0);
        QCOMPARE(progress, (std::vector<int>{1, 2, 3}));
        QVERIFY(!bar->isVisible());
        QVERIFY(!commands().FBatchTransform);

        // "Transform marked" in the pop-up, again: the first outputs stay.
        mark();
        list->popupMenu()->findChild<QAction*>("popTransformMarked")->trigger();
        for (const char* stem : {"a", "b", "c"})
            QCOMPARE(readFile(path(stem).toStdString() + "_Mirrored_Y(1).nc"),
                     readFile(path(stem).toStdString() + "_Mirrored_Y.nc"));
        QCOMPARE(closer.closed, 0);
    }

    void transformationDuringARunIsRefused()
    {
        const std::string source = write("part.nc", kProgram);
        openInEditor(source);
        item(panel->rgMirror, 0)->click();
        child<QLineEdit>("edStopPoint")->setText("3");
        child<QToolButton>("tbtnPause")->click();
        TCNCDebugger& engine = window->runController().debugger();
        QCOMPARE(engine.state(), TCNCDebuggerState::paused);

        QString message;
        answerNextMessageBox(&message);
        panel->btnTransform->click();
        QCOMPARE(message, QString(TransformCommands::kRunInProgress));
        QCOMPARE(engine.state(), TCNCDebuggerState::paused);

        // A transformation that stops part-way saves nothing.
        child<QToolButton>("tbtnStop")->click();
        answerNextMessageBox(&message);
        panel->btnTransform->click();
        QCOMPARE(message, QString("The transformation run paused at line 3: nothing was saved."));
        QCOMPARE(engine.state(), TCNCDebuggerState::stopped);
        QVERIFY(!window->runController().FTransforming);
        QVERIFY(!std::filesystem::exists(path("part_Mirrored_X.nc").toStdString()));
    }

    // Closing the window stops the run at its next yield: the lines
    // collected so far are not the program, so nothing is offered or
    // written and no window is left to keep the process alive.
    void closingDuringATransformationSavesNothing()
    {
        std::string program = "G90 G17\nG0 X0 Y0 Z5\nG1 Z-1 F100\n";
        for (int i = 0; i < 300000; ++i)
            program += "G1 X" + std::to_string(i % 50) + " Y" + std::to_string(i % 7) + "\n";
        program += "G0 Z5\nM30\n";
        const std::string source = write("part.nc", program);
        openInEditor(source);
        item(panel->rgRotate, 2)->click();
        panel->edAngle->setText("30");

        ModalCloser closer;
        QTimer close;
        atTheRunsFirstYield(close, [this] { window->close(); });
        panel->btnTransform->click();
        closer.stop();
        QVERIFY(!close.isActive());

        QVERIFY(window->runController().debugger().currentLine() == -1);
        QCOMPARE(closer.closed, 0);
        QVERIFY(!std::filesystem::exists(path("part_Rotated_Z_30.nc").toStdString()));
        QVERIFY(!window->runController().FTransforming);
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
    }

    // The engine tells a run stopped by Stop from one that reached the end.
    void stoppingATransformationSavesNothing()
    {
        std::string program = "G90\n";
        for (int i = 0; i < 300000; ++i)
            program += "G1 X" + std::to_string(i % 50) + " F100\n";
        const std::string source = write("part.nc", program);
        openInEditor(source);
        item(panel->rgMirror, 0)->click();
        ModalCloser closer;
        QTimer stop;
        atTheRunsFirstYield(stop, [this] { child<QToolButton>("tbtnStop")->click(); });
        panel->btnTransform->click();
        closer.stop();
        QVERIFY(!stop.isActive());
        QCOMPARE(closer.closed, 0);
        QVERIFY(!std::filesystem::exists(path("part_Mirrored_X.nc").toStdString()));
    }

    void aLineThatFailsEndsTheTransformationRun()
    {
        const std::string source = write("part.nc", "G1 X1 F100\nG1 X1..2\nG1 X3\n");
        openInEditor(source);
        item(panel->rgMirror, 0)->click();
        QVERIFY_THROWS_EXCEPTION(ConversionError, commands().TransformOne());
        QCOMPARE(window->runController().debugger().state(), TCNCDebuggerState::stopped);
        QVERIFY(!window->runController().FTransforming);
        QVERIFY(!std::filesystem::exists(path("part_Mirrored_X.nc").toStdString()));
    }

    void toolAndWindowWriteTheSameBytes()
    {
        // The G1 block with centre words is the one that warns about arcs.
        const std::string source = write("part.nc", "G90 G17\nG0 X0 Y0 Z5\nG1 Z-1 F100\nG1 X10 Y0\n"
                                                    "G2 X20 Y0 I15 J0 F80\nG1 X20 Y10 Z4 I1 J1\nG0 Z8\nM30\n");
        openInEditor(source);
        item(panel->rgRotate, 2)->click();
        panel->edAngle->setText("30");
        panel->cbShiftX->setChecked(true);
        panel->edShiftX->setText("5");
        panel->cbShiftY->setChecked(true);
        panel->edShiftY->setText("-2");
        panel->cbZmax->setChecked(true);
        panel->edZminmax->setText("3");

        QString zSafeQuestion;
        answerNext<QInputDialog>([&zSafeQuestion](QInputDialog* dialog) {
            zSafeQuestion = dialog->windowTitle() + "|" + dialog->labelText() + "|" + dialog->textValue();
            dialog->accept();
        });
        QString warning;
        answerNextMessageBox(&warning);
        QString proposed;
        acceptProposedName(folder->path(), &proposed);
        panel->btnTransform->click();
        QCOMPARE(zSafeQuestion, QString("Z safe|Inpus Z safe value|50"));
        QCOMPARE(warning, QString("Attention! Circle interpolation was used. Convertion result may be incorrect!"));
        QCOMPARE(proposed, QString("part_Shifted_Zmax_3.nc"));

        QProcess tool;
        tool.start(CONVERT_PROGRAM, {"--rotate", "Z", "--angle", "30", "--shift-x", "5", "--shift-y", "-2", "--zmax",
                                     "3", "--zsafe", "50", QString::fromStdString(source)});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 0);
        const QByteArray printed = tool.readAllStandardOutput();
        QVERIFY(printed.contains("Z50.000"));  // Z above 3 goes to the safe Z
        QCOMPARE(printed.toStdString(), readFile(path("part_Shifted_Zmax_3.nc").toStdString()));
    }
};

int main(int argc, char** argv)
{
    TarnixApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    TransformWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "transform_window_test.moc"
