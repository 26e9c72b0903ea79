// The "Merge List" and "Make Array" dialogs: showing, ordering the list,
// Apply with the save dialog answered or cancelled. Qt Test under xvfb-run -a.

#include "support/scratch_folder.h"
#include "transform/array_fakes.h"
#include "transform/merge_fakes.h"
#include "transform/widgets/make_array_dialog.h"
#include "transform/widgets/merge_list_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace tarnix;
using tarnix::testing::readFile;

class TransformDialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<tarnix::testing::ScratchFolder> scratch;
    tarnix::testing::RecordingProgress progress;
    tarnix::testing::QuietPump pump;
    tarnix::testing::FakeDialogs dialogs;
    tarnix::testing::RecordingMessages messages;
    std::vector<std::string> questions;
    std::unique_ptr<FileMerge> merge;
    ProgramLocation location;
    TFileMasks masks;
    int refreshes = 0;
    std::unique_ptr<TForm4> Form4;

    std::string folder() const { return scratch->path().string() + "/"; }

    QStringList shownEntries() const
    {
        QStringList names;
        for (int i = 0; i < Form4->list()->count(); ++i)
            names << Form4->list()->item(i)->text();
        return names;
    }

    void click(const char* button) { Form4->findChild<QAbstractButton*>(button)->click(); }

private slots:
    void init()
    {
        scratch = std::make_unique<tarnix::testing::ScratchFolder>();
        dialogs = {};
        questions.clear();
        refreshes = 0;
        merge = std::make_unique<FileMerge>(progress, pump, [this](const std::string& q) {
            questions.push_back(q);
            return true;
        });
        location = {};
        location.FCurrentFolder = folder();
        masks.parseExt("*.nc;*.zip");
        Form4 = std::make_unique<TForm4>(*merge, progress, location, masks, dialogs,
                                         TForm4::Hooks{[] { return std::string("/cnc/open.nc"); },
                                                       [this] { ++refreshes; }, {},
                                                       [] { return ProgramKind::Fanuc; }});
    }

    void theDialogStaysOnTopAndIsNotModal()
    {
        Form4->btnMergeClick({"a.nc", "b.nc"});
        QVERIFY(Form4->isVisible());
        QVERIFY(!Form4->isModal());
        QVERIFY(Form4->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(Form4->windowTitle(), QString("Merge List"));
        QCOMPARE(shownEntries(), (QStringList{"a.nc", "b.nc"}));
    }

    void upAndDownMoveTheSelectedEntry_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<int>("selected");
        QTest::newRow("up on the first") << 0 << "SpeedButton1" << QStringList{"a", "b", "c"} << -1;
        QTest::newRow("up") << 2 << "SpeedButton1" << QStringList{"a", "c", "b"} << 1;
        QTest::newRow("down") << 0 << "SpeedButton2" << QStringList{"b", "a", "c"} << 1;
        QTest::newRow("down on the last") << 2 << "SpeedButton2" << QStringList{"a", "b", "c"} << -1;
    }

    void upAndDownMoveTheSelectedEntry()
    {
        QFETCH(int, row);
        QFETCH(QString, button);
        QFETCH(QStringList, order);
        QFETCH(int, selected);
        Form4->btnMergeClick({"a", "b", "c"});
        Form4->list()->setCurrentRow(row);
        click(button.toLatin1().constData());
        QCOMPARE(shownEntries(), order);
        const QList<QListWidgetItem*> items = Form4->list()->selectedItems();
        QCOMPARE(items.isEmpty() ? -1 : Form4->list()->row(items.first()), selected);
    }

    void droppingMovesTheSelectedEntryOntoTheOneUnderTheMouse()
    {
        Form4->btnMergeClick({"a", "b", "c"});
        MergeListBox* list = Form4->list();
        list->setCurrentRow(0);
        QObject stranger;
        stranger.setObjectName("lvFiles");
        const QPoint onLast = list->visualItemRect(list->item(2)).center();
        QVERIFY(!list->lbMergeDragOver(&stranger));
        list->lbMergeDragDrop(&stranger, onLast);
        QCOMPARE(shownEntries(), (QStringList{"a", "b", "c"}));
        list->lbMergeDragDrop(list, onLast);
        QCOMPARE(shownEntries(), (QStringList{"b", "c", "a"}));
        QCOMPARE(list->currentRow(), 2);
    }

    // The program in the editor came from an archive: the proposal lies
    // beside the archive, not in the extraction folder removed at close.
    void mergeOfAnExtractedProgramIsProposedBesideTheArchive()
    {
        location.extractionFolder = "/cnc/tempcnc/";
        Form4 = std::make_unique<TForm4>(*merge, progress, location, masks, dialogs,
                                         TForm4::Hooks{[] { return std::string("/cnc/tempcnc/open.nc"); },
                                                       [this] { ++refreshes; }, {},
                                                       [] { return ProgramKind::Fanuc; }});
        Form4->btnMergeClick({"a.nc", "b.nc"});
        click("btnApplyMerge");  // the save dialog is cancelled
        QCOMPARE(dialogs.shown.size(), std::size_t(1));
        QCOMPARE(dialogs.shown[0].fileName, folder() + "Merged_a.nc");
    }

    void applyWritesTheMergedProgramAndHides()
    {
        scratch->write("a.nc", "T1 M6\nM30\n");
        scratch->write("b.nc", "T1 M6\nG0 X1\nM30\n");
        dialogs.answer = SaveDialogAnswer{folder() + "joined", 1};
        Form4->btnMergeClick({"a.nc", "b.nc"});
        click("btnApplyMerge");
        QCOMPARE(readFile(folder() + "joined.nc"), std::string("T1 M6\r\nT1 M6\r\nG0 X1\r\nM30\r\n"));
        QCOMPARE(dialogs.shown.size(), std::size_t(1));
        QCOMPARE(dialogs.shown[0].fileName, std::string("/cnc/Merged_a.nc"));
        QCOMPARE(dialogs.shown[0].filter, std::string("All files|*.*|*.nc|*.nc"));
        QCOMPARE(dialogs.shown[0].folder, folder());
        QCOMPARE(refreshes, 1);
        QVERIFY(!Form4->isVisible());
    }

    void cancelWritesNothingAndStaysOpen()
    {
        Form4->btnMergeClick({"a.nc", "b.nc"});
        click("btnApplyMerge");
        QCOMPARE(std::distance(std::filesystem::directory_iterator(scratch->path()), {}), 0);
        QCOMPARE(refreshes, 0);
        QVERIFY(Form4->isVisible());
    }

    void yesToTheToolQuestionStaysOpenWithoutOutput()
    {
        scratch->write("a.nc", "T1 M6\n");
        scratch->write("b.nc", "T2 M6\n");
        dialogs.answer = SaveDialogAnswer{folder() + "joined.nc", 1};
        Form4->btnMergeClick({"a.nc", "b.nc"});
        click("btnApplyMerge");
        QCOMPARE(questions.size(), std::size_t(1));
        QVERIFY(!std::filesystem::exists(folder() + "joined.nc"));
        QCOMPARE(refreshes, 1);
        QVERIFY(Form4->isVisible());
    }

    void makeArrayOpensOnlyWithASelectedItemAndAppliesTheEdits()
    {
        tarnix::testing::FakeArrayWindow window(folder());
        MakeArray array(*merge, window.hooks(), dialogs, messages, masks);
        TfrmMakeArray frmMakeArray(array, location);
        frmMakeArray.btnMakeArrayClick(std::nullopt);
        QVERIFY(!frmMakeArray.isVisible());

        scratch->write("part.nc", "G0 X0\nM30\n");
        frmMakeArray.btnMakeArrayClick("part.nc");
        QVERIFY(frmMakeArray.isVisible());
        QVERIFY(frmMakeArray.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(frmMakeArray.Label10->text(), QString::fromStdString(folder() + "part.nc"));
        QCOMPARE(location.FSelectedFile, std::string("part.nc"));

        frmMakeArray.edNumX->setText("2");
        frmMakeArray.edX->setText("7");
        dialogs.answer = SaveDialogAnswer{folder() + "grid.nc", 1};
        frmMakeArray.btnApply->click();
        QCOMPARE(readFile(folder() + "grid.nc"), std::string("G0 X0\r\nG0X7.000Y0.000Z0.000\r\nM30\r\n"));
        QVERIFY(!frmMakeArray.isVisible());
    }
};

QTEST_MAIN(TransformDialogsTest)

#include "transform_dialogs_test.moc"
