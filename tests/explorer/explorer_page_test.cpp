// The Explorer page in the running main window: a folder of programs
// lists, a click shows a program's header, a double click or Enter draws,
// an archive lists its entries and Up returns to the folder.

#include "explorer_list_clicks.h"
#include "support/app_paths_in.h"
#include "support/main_window_start.h"
#include "support/scratch_folder.h"
#include "explorer/widgets/explorer.h"
#include "explorer/widgets/explorer_file_list.h"
#include "explorer/widgets/explorer_folder_tree.h"
#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"
#include "zip_test_archive.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include <fstream>
#include <memory>

using namespace tarnix;
using namespace tarnix::testing;

namespace {


// Programs of one, two and four moves.
const QByteArray kOneMove = "%\n(HEAD)\n(PART ONE)\nG0 X10 Y10 Z5\n";
const QByteArray kTwoMoves = "%\n(HEAD)\n(PART TWO)\nG0 X1 Z5\nG1 Z-1 F100\n";
const QByteArray kFourMoves = "%\nG0 X0 Y0 Z5\nG1 Z-1 F100\nG1 X20\nG1 Y20\n";

}  // namespace

class ExplorerPageTest : public QObject {
    Q_OBJECT

private:
    // Removed by bytes: a name that is not UTF-8 would stop QTemporaryDir.
    std::unique_ptr<ScratchFolder> home;
    QString programs;  // a folder of programs, ending in "/"
    AppPaths paths;
    std::unique_ptr<MainWindow> window;
    ExplorerFileList* list = nullptr;

    void start(const std::vector<std::string>& arguments = {})
    {
        window = testing::startMainWindow(paths, arguments);
        list = window->findChild<ExplorerFileList*>("lvFiles");
    }

    void startIn(const QString& folder)
    {
        writeFile(QString::fromStdString(paths.settingsFile),
                  "[Options]\nStart_dir=" + folder.toUtf8() + "\nextentions=*.nc;*.tap;*.rol;*.prg;*.zip\n");
        start();
    }

    QStringList logLines() const
    {
        return window->findChild<QPlainTextEdit*>("Scroll")->toPlainText().split('\n');
    }
    QString fileNameBox() const { return window->findChild<QLineEdit*>("edFileName")->text(); }
    int pathPoints() const { return window->context().FPathPoints->Count(); }

    int rowOf(const QString& caption) const
    {
        return captions(*list).indexOf(caption);
    }

    void selectRows(std::initializer_list<int> rows)
    {
        list->clearSelection();
        for (int row : rows)
            list->topLevelItem(row)->setSelected(true);
    }

    QString writeArchive()
    {
        const TestZipArchive archive{.entries = {{.name = "dir/sub/name.nc", .comment = "finishing"},
                                                 {.name = "readme.txt"},
                                                 {.name = "top.TAP", .size = 1234567}}};
        const std::string bytes = archive.bytes();
        writeFile(programs + "set.zip", QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
        return programs + "set.zip";
    }

private slots:
    void init()
    {
        home = std::make_unique<ScratchFolder>();
        const QString root = QString::fromStdString(home->path().string()) + "/";
        paths = testing::appPathsIn(root);
        programs = root + "programs/";
        QDir().mkpath(programs + "empty");
        writeFile(programs + "a.nc", kOneMove);
        writeFile(programs + "b.nc", kTwoMoves);
        writeFile(programs + "c.nc", kFourMoves);
        writeFile(programs + "notes.txt", "not a program");
    }

    void cleanup() { window.reset(); }

    void startFolderListsItsProgramsWithTheirCells()
    {
        startIn(programs);
        QCOMPARE(captions(*list), QStringList({"a.nc", "b.nc", "c.nc"}));
        const QTreeWidgetItem* b = list->topLevelItem(1);
        QVERIFY(b->text(1).contains(':'));
        QCOMPARE(b->text(2), QString::number(kTwoMoves.size()));
        QCOMPARE(b->text(3), QString("(PART TWO)"));
        QCOMPARE(window->findChild<ExplorerFolderTree*>("Tree")->selectedFolderPath() + "/",
                 programs.toStdString());
    }

    void clickShowsTheProgramsHeaderInTheLogPane()
    {
        startIn(programs);
        clickRow(*list, rowOf("b.nc"));
        const QStringList log = logLines();
        QCOMPARE(log.first(), "File name: " + programs + "b.nc");
        QVERIFY(log.contains("(PART TWO)"));
        QCOMPARE(fileNameBox(), programs + "b.nc");
        QCOMPARE(pathPoints(), 0);
    }

    void doubleClickDrawsTheProgramWithSmoothDrawingAndDelayOff()
    {
        startIn(programs);
        window->findChild<QCheckBox*>("cbDelay")->setChecked(true);
        window->findChild<QCheckBox*>("cbCanSmoothDraw")->setChecked(true);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centreOf(*list, rowOf("c.nc")));
        QCOMPARE(pathPoints(), 4);
        QVERIFY(!window->findChild<QCheckBox*>("cbDelay")->isChecked());
        QVERIFY(!window->findChild<QCheckBox*>("cbCanSmoothDraw")->isChecked());
    }

    void enterDrawsAllSelectedProgramsInOnePath()
    {
        startIn(programs);
        clickRow(*list, 0);
        clickRow(*list, 2, Qt::LeftButton, Qt::ShiftModifier);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(pathPoints(), 1 + 2 + 4);
        QVERIFY(!logLines().join('\n').contains("File name:"));  // the quick views are cleared
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(pathPoints(), 7);  // the path is cleared first
    }

    void showMarkedDrawsTheCheckedProgramsOnly()
    {
        startIn(programs);
        list->topLevelItem(rowOf("b.nc"))->setCheckState(0, Qt::Checked);
        list->topLevelItem(rowOf("c.nc"))->setCheckState(0, Qt::Checked);
        selectRows({rowOf("a.nc")});
        window->explorer()->Showmarked1Click();
        QCOMPARE(pathPoints(), 6);
        for (int row = 0; row < 3; ++row)
            list->topLevelItem(row)->setCheckState(0, Qt::Unchecked);
        window->explorer()->Showmarked1Click();
        QCOMPARE(pathPoints(), 0);
    }

    void spaceInvertsTheMarksOfAllSelectedItems()
    {
        writeFile(programs + "d.nc", kOneMove);
        startIn(programs);
        list->topLevelItem(2)->setCheckState(0, Qt::Checked);
        clickRow(*list, 1);
        clickRow(*list, 3, Qt::LeftButton, Qt::ShiftModifier);
        clickRow(*list, 2, Qt::LeftButton, Qt::ControlModifier);
        clickRow(*list, 2, Qt::LeftButton, Qt::ControlModifier);  // current, and selected again
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(list->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QCOMPARE(list->topLevelItem(1)->checkState(0), Qt::Checked);
        QCOMPARE(list->topLevelItem(2)->checkState(0), Qt::Unchecked);
        QCOMPARE(list->topLevelItem(3)->checkState(0), Qt::Checked);
    }

    void numpadKeysMarkAndShowTheSelectedProgram()
    {
        startIn(programs);
        clickRow(*list, 0);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(logLines().first(), "File name: " + programs + "b.nc");
        QVERIFY(logLines().contains("(PART TWO)"));
        QTest::keyClick(list, Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(list->topLevelItem(1)->checkState(0), Qt::Checked);
        QTest::keyClick(list, Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(list->topLevelItem(1)->checkState(0), Qt::Unchecked);
    }

    void downWithoutSelectionShowsTheLastProgramAgain()
    {
        startIn(programs);
        clickRow(*list, rowOf("b.nc"));
        // On the last row Down moves nowhere and selects nothing.
        list->setCurrentItem(list->topLevelItem(2), 0, QItemSelectionModel::Clear);
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(logLines().first(), "File name: " + programs + "b.nc");
    }

    void archiveListsItsEntriesAndUpReturnsToTheFolder()
    {
        writeArchive();
        startIn(programs);
        QCOMPARE(captions(*list), QStringList({"a.nc", "b.nc", "c.nc", "set.zip"}));
        clickRow(*list, rowOf("set.zip"));
        QVERIFY(window->explorer()->zipOpen());
        QCOMPARE(captions(*list), QStringList({"dir/sub/name.nc", "top.TAP"}));
        QCOMPARE(list->topLevelItem(0)->text(3), QString("finishing"));
        QCOMPARE(list->topLevelItem(1)->text(2), QString("1,234,567"));
        QVERIFY(QRegularExpression(R"(^\d\d/\d\d/\d\d \d\d:\d\d$)").match(list->topLevelItem(0)->text(1)).hasMatch());

        window->findChild<QToolButton*>("SpeedButton2")->click();
        QVERIFY(!window->explorer()->zipOpen());
        QCOMPARE(captions(*list), QStringList({"a.nc", "b.nc", "c.nc", "set.zip"}));
        window->findChild<QToolButton*>("SpeedButton2")->click();  // nothing left to go up to
        QCOMPARE(list->topLevelItemCount(), 4);
    }

    void refreshListsTheFilesWrittenSinceTheFolderWasListed()
    {
        writeArchive();
        startIn(programs);
        writeFile(programs + "d.nc", kOneMove);
        window->findChild<QToolButton*>("sbtnRefresh")->click();
        QCOMPARE(captions(*list), QStringList({"a.nc", "b.nc", "c.nc", "d.nc", "set.zip"}));

        // An open archive stays open: the tree's folder is not what the list shows.
        clickRow(*list, rowOf("set.zip"));
        window->findChild<QToolButton*>("sbtnRefresh")->click();
        QVERIFY(window->explorer()->zipOpen());
        QCOMPARE(captions(*list), QStringList({"dir/sub/name.nc", "top.TAP"}));
    }

    void upAfterTheTreeMovedOnListsTheArchivesFolderOnce()
    {
        writeArchive();
        startIn(programs);
        clickRow(*list, rowOf("set.zip"));
        window->explorer()->browseTo((programs + "empty").toStdString());
        QCOMPARE(list->topLevelItemCount(), 0);
        window->findChild<QToolButton*>("SpeedButton2")->click();
        QCOMPARE(captions(*list), QStringList({"a.nc", "b.nc", "c.nc", "set.zip"}));
    }

    void entryClickWithoutTheUnzipLibraryReportsIt()
    {
        writeArchive();
        startIn(programs);
        clickRow(*list, rowOf("set.zip"));
        QString box;
        answerNextMessageBox(&box);
        clickRow(*list, 0);
        QTRY_VERIFY(!box.isEmpty());  // the error box comes from the event loop
        QVERIFY2(box.endsWith("Unable to load \"UnzfDll.dll\"."), qPrintable(box));
        QVERIFY(window->explorer()->zipOpen());
    }

    void extractedEntryIsDrawnFromTheExtractionFolder()
    {
        writeArchive();
        startIn(programs);
        clickRow(*list, rowOf("set.zip"));
        window->explorer()->ZipEntryClick = [](const std::string& tempDir, bool& extracted, const std::string&) {
            QDir().mkpath(QString::fromStdString(tempDir) + "dir/sub");
            writeFile(QString::fromStdString(tempDir) + "dir/sub/name.nc", kFourMoves);
            extracted = true;
            return tempDir + "dir/sub/name.nc";
        };
        clickRow(*list, 0);
        QCOMPARE(fileNameBox(), QString::fromStdString(paths.tempFolder) + "dir/sub/name.nc");
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(pathPoints(), 4);
    }

    void oddFileNamesListAndOpen()
    {
        // A Windows-1251 name, as copied from a Windows machine: not UTF-8.
        std::ofstream(programs.toStdString() + "\xc4\xe5\xf2\xe0\xeb\xfc.nc") << kTwoMoves.toStdString();
        writeFile(programs + "a\\b:c.nc", kOneMove);
        startIn(programs);
        QVERIFY(captions(*list).contains("Деталь.nc"));
        QVERIFY(captions(*list).contains("a\\b:c.nc"));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centreOf(*list, rowOf("Деталь.nc")));
        QCOMPARE(pathPoints(), 2);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centreOf(*list, rowOf("a\\b:c.nc")));
        QCOMPARE(pathPoints(), 1);
    }

    void unreadableStartFolderEndsTheProgramAndStartsAtHomeNextTime()
    {
        QString box;
        answerNextMessageBox(&box);
        startIn(programs + "gone");
        QCOMPARE(box, QString("IO Error: Current folder or file has UNICOD char table.\n\r"
                              "Tarnix can't support unicod table. Run Tarnix again."));
        QVERIFY(window->context().events->terminating());
        QFile settings(QString::fromStdString(paths.settingsFile));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("Start_dir=" + QDir::homePath().toUtf8() + "/"));
    }

    void commandLineProgramIsSelectedInItsFolder()
    {
        start({(programs + "c.nc").toStdString()});
        QCOMPARE(captions(*list), QStringList({"a.nc", "b.nc", "c.nc"}));
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(list->selectedItems().first()->text(0), QString("c.nc"));
        QCOMPARE(pathPoints(), 4);
    }

    void programFileBrowserOffersTheMasksButArchives()
    {
        startIn(programs);
        QStringList filters;
        QTimer::singleShot(100, [&filters] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                filters = dialog->nameFilters();
                dialog->reject();
            }
        });
        window->findChild<QLineEdit*>("edFileName")->findChild<QAction*>("edFileNameBrowse")->trigger();
        QCOMPARE(filters, QStringList({"All files (*.*)", "*.nc (*.nc)", "*.tap (*.tap)", "*.rol (*.rol)",
                                       "*.prg (*.prg)"}));
    }
};

int runExplorerPageTests(int argc, char** argv)
{
    ExplorerPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "explorer_page_test.moc"
