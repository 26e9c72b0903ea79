// Merging and Make Array from the main window: the Explorer's buttons and
// the list's "Merge marked" reach the dialogs, whose Apply saves through
// the window's save dialog. Qt Test under xvfb-run -a.

#include "explorer/widgets/explorer_file_list.h"
#include "interpretation/gcode_interpreter.h"
#include "support/app_paths_in.h"
#include "support/main_window_start.h"
#include "support/message_boxes.h"
#include "support/scratch_folder.h"
#include "transform/widgets/make_array_dialog.h"
#include "transform/widgets/merge_list_dialog.h"
#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <cmath>
#include <memory>
#include <sstream>

using namespace tarnix;

class MergeArrayWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<MainWindow> window;
    ExplorerFileList* list = nullptr;

    QString path(const char* name) const { return folder->path() + "/" + name; }

    void mark(const QStringList& names)
    {
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = list->topLevelItem(i);
            item->setCheckState(0, names.contains(item->text(0)) ? Qt::Checked : Qt::Unchecked);
            item->setSelected(names.value(0) == item->text(0));
        }
    }

    QStringList selectedNames() const
    {
        QStringList names;
        for (QTreeWidgetItem* selected : list->selectedItems())
            names << selected->text(0);
        return names;
    }

    // How a dialog was shown: over which window, whether it stays on top
    // and whether it had the keyboard.
    struct Shown {
        QWidget* parent = nullptr;
        bool onTop = false;
        bool focused = false;
    };

    static Shown shownAs(QWidget* dialog)
    {
        return {dialog->parentWidget(), dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                dialog->isActiveWindow() || QApplication::activeModalWidget() == dialog};
    }

    // Answers the next save dialog with `name` in the program folder.
    void answerSaveDialogWith(const QString& name, Shown* shown = nullptr)
    {
        auto* poll = new QTimer;
        poll->setInterval(20);
        QObject::connect(poll, &QTimer::timeout, [this, poll, name, shown] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) {
                    if (shown != nullptr)
                        *shown = shownAs(dialog);
                    dialog->setDirectory(folder->path());
                    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
                    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
                    poll->deleteLater();
                    return;
                }
        });
        poll->start();
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        const QString root = folder->path() + "/";
        const AppPaths paths = testing::appPathsIn(root);
        testing::writeFile(path("a.nc"), "T1 M6\nG0 X1\nM30\n");
        testing::writeFile(path("b.nc"), "T1 M6\nG0 X2\nM30\n");
        testing::writeFile(path("c.nc"), "T2 M6\nG0 X3\nM30\n");
        testing::writeFile(path("r.rol"), "!PA;PA;VS2;!VZ2;\nZ376,20,-61;\n");
        testing::writeFile(path("s.tap"), "G0 X1 Y1\nM30\n");
        testing::writeFile(path("arr2.nc"), "G90 G17\nG0 X0 Y0 Z5\nG1 Z-1 F100\nG1 X5\nG1 Y5\nG0 Z5\nM30\n");
        window = testing::startMainWindow(paths, {path("a.nc").toStdString()});
        list = window->findChild<ExplorerFileList*>("lvFiles");
        QVERIFY(list->topLevelItemCount() >= 2);
    }

    void cleanup() { window.reset(); }

    void mergeMarkedNeedsTwoMarkedPrograms()
    {
        mark({"a.nc"});
        QString text;
        testing::answerNextMessageBox(&text);
        list->popupMenu()->findChild<QAction*>("MergeSelected1")->trigger();
        QCOMPARE(text, QString("Check two or more files to Merge."));
        QVERIFY(!window->findChild<TForm4*>("Form4")->isVisible());
    }

    void mergeButtonListsTheMarkedProgramsInListOrder()
    {
        mark({"a.nc", "b.nc"});
        window->findChild<QAction*>("btnMerge")->trigger();
        auto* Form4 = window->findChild<TForm4*>("Form4");
        QVERIFY(Form4->isVisible());
        QCOMPARE(Form4->entries(), (std::vector<std::string>{"a.nc", "b.nc"}));
    }

    // "Merge List" stays on top: the tool question must open over it and
    // take the keyboard, not hide behind it.
    void toolQuestionOpensInFrontOfTheMergeList()
    {
        mark({"a.nc", "c.nc"});
        window->findChild<QAction*>("btnMerge")->trigger();
        auto* Form4 = window->findChild<TForm4*>("Form4");
        QVERIFY(Form4->isVisible());
        QWidget* questionParent = nullptr;
        bool onTop = false, focused = false;
        QString text;
        auto* poll = new QTimer;
        poll->setInterval(20);
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                    text = box->text();
                    questionParent = box->parentWidget();
                    onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                    focused = box->isActiveWindow() || QApplication::activeModalWidget() == box;
                    box->button(QMessageBox::No)->click();
                    poll->deleteLater();
                    return;
                }
        });
        poll->start();
        answerSaveDialogWith("merged.nc");
        Form4->findChild<QPushButton*>("btnApplyMerge")->click();
        QVERIFY(text.contains("Possibly different tool"));
        QCOMPARE(questionParent, static_cast<QWidget*>(Form4));
        QVERIFY(onTop);
        QVERIFY(focused);
    }

    // Both dialogs stay on top: their save dialogs must open over them,
    // whole, and take the keyboard.
    void mergeSaveDialogOpensInFrontOfTheMergeList()
    {
        mark({"a.nc", "b.nc"});
        window->findChild<QAction*>("btnMerge")->trigger();
        auto* Form4 = window->findChild<TForm4*>("Form4");
        Shown shown;
        answerSaveDialogWith("merged.nc", &shown);
        Form4->findChild<QPushButton*>("btnApplyMerge")->click();
        QVERIFY(QFile::exists(path("merged.nc")));
        QCOMPARE(shown.parent, static_cast<QWidget*>(Form4));
        QVERIFY(shown.onTop);
        QVERIFY(shown.focused);
    }

    void arraySaveDialogOpensInFrontOfMakeArray()
    {
        mark({"b.nc"});
        window->findChild<QAction*>("btnMakeArray")->trigger();
        auto* frmMakeArray = window->findChild<TfrmMakeArray*>("frmMakeArray");
        Shown shown;
        answerSaveDialogWith("grid.nc", &shown);
        frmMakeArray->btnApply->click();
        QVERIFY(QFile::exists(path("grid.nc")));
        QCOMPARE(shown.parent, static_cast<QWidget*>(frmMakeArray));
        QVERIFY(shown.onTop);
        QVERIFY(shown.focused);
    }

    // Joined, G-code and Roland lines are read by neither reader: the merge
    // is refused before the save dialog, over the Merge List.
    void mergeOfGCodeWithRolandIsRefusedBeforeAnythingIsWritten()
    {
        const QStringList before = QDir(folder->path()).entryList(QDir::Files);
        mark({"a.nc", "r.rol"});
        window->findChild<QAction*>("btnMerge")->trigger();
        auto* Form4 = window->findChild<TForm4*>("Form4");
        QString text;
        Shown shown;
        bool saveDialogShown = false;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) {
                    saveDialogShown = true;
                    dialog->reject();
                }
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                    text = box->text();
                    shown = shownAs(box);
                    box->accept();
                }
            }
        });
        poll.start();
        Form4->findChild<QPushButton*>("btnApplyMerge")->click();
        QVERIFY(!saveDialogShown);
        QCOMPARE(text, QString("Programs of different kinds cannot be merged:\na.nc - G-code\nr.rol - Roland"));
        QCOMPARE(shown.parent, static_cast<QWidget*>(Form4));
        QVERIFY(shown.onTop);
        QVERIFY(shown.focused);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), before);
        QVERIFY(Form4->isVisible());
    }

    // "s" under "All files" is completed to s.tap, the source itself.
    void arrayRefusesTheSourceNameTypedWithoutExtension()
    {
        const std::string source = testing::readFile(path("s.tap").toStdString());
        mark({"s.tap"});
        window->findChild<QAction*>("btnMakeArray")->trigger();
        auto* frmMakeArray = window->findChild<TfrmMakeArray*>("frmMakeArray");
        frmMakeArray->edNumX->setText("2");
        frmMakeArray->edX->setText("10");
        QString text;
        answerSaveDialogWith("s");
        testing::answerNextMessageBox(&text);
        frmMakeArray->btnApply->click();
        QCOMPARE(text, "File " + path("s.tap") + " exists, change File name to save.");
        QCOMPARE(testing::readFile(path("s.tap").toStdString()), source);
    }

    void theListShowsTheMergedProgramSelected()
    {
        mark({"a.nc", "b.nc"});
        window->findChild<QAction*>("btnMerge")->trigger();
        answerSaveDialogWith("merged.nc");
        window->findChild<TForm4*>("Form4")->findChild<QPushButton*>("btnApplyMerge")->click();
        QVERIFY(QFile::exists(path("merged.nc")));
        QCOMPARE(selectedNames(), QStringList{"merged.nc"});
    }

    // Each copy is the source converted by the transformation panel and
    // joined after a copy that ends elsewhere: read again, the array cuts
    // the source at every place of the grid.
    void arrayOfAProgramWithoutPercentCutsEveryCopyInPlace()
    {
        mark({"arr2.nc"});
        window->findChild<QAction*>("btnMakeArray")->trigger();
        auto* frmMakeArray = window->findChild<TfrmMakeArray*>("frmMakeArray");
        frmMakeArray->edNumX->setText("2");
        frmMakeArray->edX->setText("10");
        frmMakeArray->edNumY->setText("2");
        frmMakeArray->edY->setText("20");
        answerSaveDialogWith("grid.nc");
        frmMakeArray->btnApply->click();

        InterpreterContext context;
        GCodeInterpreter interpreter(context);
        std::istringstream lines(testing::readFile(path("grid.nc").toStdString()));
        std::int32_t lineNo = 0;
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            interpreter.ParseFanucStr(line, ++lineNo);
        }
        std::vector<std::array<double, 3>> cut;
        for (auto p = context.FPathPoints->First(); p; p.Next())
            cut.push_back({std::round(static_cast<double>(p->X) * 100000) / 1000,
                           std::round(static_cast<double>(p->Y) * 100000) / 1000,
                           std::round(static_cast<double>(p->Z) * 100000) / 1000});
        std::vector<std::array<double, 3>> expected;
        for (auto [dx, dy] : {std::pair{0, 0}, {10, 0}, {0, 20}, {10, 20}})
            for (std::array<double, 3> p : {std::array<double, 3>{0, 0, 5}, {0, 0, -1}, {5, 0, -1}, {5, 5, -1}, {5, 5, 5}})
                expected.push_back({p[0] + dx, p[1] + dy, p[2]});
        QVERIFY2(cut == expected, testing::readFile(path("grid.nc").toStdString()).c_str());
    }

    void arrayButtonOpensMakeArrayOnTheSelectedProgram()
    {
        mark({"b.nc"});
        window->findChild<QAction*>("btnMakeArray")->trigger();
        auto* frmMakeArray = window->findChild<TfrmMakeArray*>("frmMakeArray");
        QVERIFY(frmMakeArray->isVisible());
        QCOMPARE(frmMakeArray->Label10->text(), path("b.nc"));
        answerSaveDialogWith("grid.nc");
        frmMakeArray->btnApply->click();
        QCOMPARE(testing::readFile(path("grid.nc").toStdString()), std::string("T1 M6\r\nG0 X2\r\nM30\r\n"));
        QVERIFY(!QFile::exists(path("Out_Array")));
        QVERIFY(!QFile::exists(path("Out_Array_Full")));
        QCOMPARE(selectedNames(), QStringList{"grid.nc"});
    }
};

int main(int argc, char** argv)
{
    // Qt's own file dialog, which the test can answer, not the desktop's.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    TarnixApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    MergeArrayWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "merge_array_window_test.moc"
