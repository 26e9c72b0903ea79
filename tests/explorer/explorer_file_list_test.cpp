// The file list as a widget: its rows, its pop-up menu, sorting once by a
// header click, reordering by a drop, and which clicks and keys reach the
// window's handlers in which order.

#include "common/errors.h"
#include "explorer_list_clicks.h"
#include "explorer/widgets/explorer_file_list.h"
#include "explorer/widgets/explorer_icons.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QSet>

using namespace tarnix;
using namespace tarnix::testing;

namespace {

FolderFile program(const std::string& name, std::int64_t size = 100, const std::string& description = "")
{
    return {name, {2024, 3, 7, 14, 5, 9}, size, false, description};
}

const ListDateFormat kDates = ListDateFormat::fromPatterns("dd/MM/yyyy", "HH:mm:ss");

// Closes the next pop-up menu as soon as it opens, noting the moment.
void closeNextMenu(QStringList* events)
{
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, events] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            *events << "menu";
            menu->close();
            poll->deleteLater();
        }
    });
    poll->start();
}

}  // namespace

class ExplorerFileListTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ExplorerFileList> list;
    QStringList events;

    void fill(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
            list->addFolderFile(program(name), kDates);
    }

private slots:
    void init()
    {
        list = std::make_unique<ExplorerFileList>();
        list->resize(900, 400);
        list->show();
        QVERIFY(QTest::qWaitForWindowExposed(list.get()));
        events.clear();
        list->onClick = [this] { events << "click"; };
        list->onMouseUp = [this](Qt::MouseButton button) { events << (button == Qt::RightButton ? "up:right" : "up"); };
        list->onDoubleClick = [this] { events << "double"; };
        list->onKeyUp = [this](ListKey key) { events << QString("key:%1").arg(static_cast<int>(key)); };
    }

    void folderRowShowsItsCellsAndMarksArchives()
    {
        list->addFolderFile(program("part.nc", 1234567, "(BRACKET)"), kDates);
        list->addFolderFile({"DATA.ZIP", {2024, 3, 7, 0, 0, 0}, 22, true, ""}, kDates);
        const QTreeWidgetItem* part = list->topLevelItem(0);
        QCOMPARE(QStringList({part->text(1), part->text(2), part->text(3), part->text(4), part->text(5)}),
                 QStringList({"07/03/2024 14:05:09", "1234567", "(BRACKET)", "not calculated", "not calculated"}));
        QCOMPARE(list->topLevelItem(1)->text(1), QString("07/03/2024"));
        QCOMPARE(part->icon(0).cacheKey(), programFileIcon().cacheKey());
        QCOMPARE(list->topLevelItem(1)->icon(0).cacheKey(), archiveFileIcon().cacheKey());
    }

    void popupMenuOffersTheInformationCommandsAndShowMarked()
    {
        QMenu* menu = list->popupMenu();
        QStringList shown;
        for (QAction* action : menu->actions())
            shown << (action->isSeparator() ? "-" : action->text() + (action->isEnabled() ? "" : " (off)"));
        QCOMPARE(shown, QStringList({"Get Info selected", "Time selected", "Report", "-",
                                     "Show marked", "-", "Merge marked", "Transform marked (off)"}));
        bool shownMarked = false;
        list->onShowMarked = [&] { shownMarked = true; };
        menu->findChild<QAction*>("Showmarked1")->trigger();
        QVERIFY(shownMarked);
        bool merged = false;
        list->onMergeMarked = [&] { merged = true; };
        menu->findChild<QAction*>("MergeSelected1")->trigger();
        QVERIFY(merged);
    }

    void popupMenuShowsAnImageOfItsOwnForEachCommandButTransformMarked()
    {
        QSet<qint64> images;
        for (const char* name : {"GetInfoSelected1", "Timeselected", "pmnMakeReport", "Showmarked1", "MergeSelected1"}) {
            const QAction* action = list->popupMenu()->findChild<QAction*>(name);
            QVERIFY2(!action->icon().isNull() && action->isIconVisibleInMenu(), name);
            images.insert(action->icon().cacheKey());
        }
        QCOMPARE(images.size(), 5);
        QVERIFY(list->popupMenu()->findChild<QAction*>("popTransformMarked")->icon().isNull());
    }

    void headerClickSortsOnceAndLaterItemsStayWhereTheyAreAdded()
    {
        fill({"c.nc", "a.nc", "b.nc"});
        list->topLevelItem(1)->setSelected(true);
        list->topLevelItem(2)->setCheckState(0, Qt::Checked);
        const QPoint nameHeader(list->header()->sectionViewportPosition(0) + 20, list->header()->height() / 2);
        QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, nameHeader);
        QCOMPARE(captions(*list), QStringList({"a.nc", "b.nc", "c.nc"}));
        QVERIFY(list->topLevelItem(0)->isSelected());
        QCOMPARE(list->topLevelItem(1)->checkState(0), Qt::Checked);
        fill({"0.nc"});
        QCOMPARE(captions(*list).last(), QString("0.nc"));
        QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, nameHeader);
        QCOMPARE(captions(*list), QStringList({"c.nc", "b.nc", "a.nc", "0.nc"}));
    }

    void sortThatCannotReadACellKeepsTheOrder()
    {
        fill({"b.nc", "a.nc"});
        list->topLevelItem(0)->setText(2, "12 kB");
        QVERIFY_THROWS_EXCEPTION(ConversionError, list->lvFilesColumnClick(2));
        QCOMPARE(captions(*list), QStringList({"b.nc", "a.nc"}));
        QCOMPARE(list->sortState().gSortKey, std::string("Filesize"));
    }

    void dropMovesTheSelectedItemsAfterATargetBelowThem()
    {
        fill({"a", "b", "c", "d", "e", "f"});
        list->topLevelItem(1)->setCheckState(0, Qt::Checked);
        list->topLevelItem(0)->setSelected(true);
        list->topLevelItem(1)->setSelected(true);
        list->topLevelItem(1)->setIcon(0, archiveFileIcon());
        list->lvFilesDragDrop(list.get(), centreOf(*list, 4));
        QCOMPARE(captions(*list), QStringList({"c", "d", "e", "a", "b", "f"}));
        const QTreeWidgetItem* movedB = list->topLevelItem(4);
        QCOMPARE(movedB->checkState(0), Qt::Checked);
        QCOMPARE(movedB->icon(0).cacheKey(), archiveFileIcon().cacheKey());
        QCOMPARE(movedB->text(3), QString(""));
        QCOMPARE(movedB->text(5), QString("not calculated"));
        QVERIFY(list->selectedItems().isEmpty());
    }

    void dropOnEmptySpaceOrFromElsewhereMovesNothing()
    {
        fill({"a", "b", "c"});
        list->topLevelItem(0)->setSelected(true);
        list->lvFilesDragDrop(list.get(), QPoint(10, list->viewport()->height() - 5));
        QWidget stranger;
        list->lvFilesDragDrop(&stranger, centreOf(*list, 2));
        QCOMPARE(captions(*list), QStringList({"a", "b", "c"}));
    }

    void keysReachTheWindowOnceWhenLetGo()
    {
        fill({"a", "b"});
        list->setFocus();
        QTest::keyClick(list.get(), Qt::Key_Down);
        QTest::keyClick(list.get(), Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(list.get(), Qt::Key_Plus);  // the main keyboard's plus is no mark key
        QTest::keyClick(list.get(), Qt::Key_Minus, Qt::KeypadModifier);
        QTest::keyClick(list.get(), Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(list.get(), Qt::Key_A);
        QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(list.get(), &repeated);
        QCOMPARE(events, QStringList({"key:1", "key:4", "key:5", "key:2"}));
    }

    void releaseOfAKeyPressedElsewhereIsIgnored()
    {
        fill({"a", "b"});
        list->topLevelItem(0)->setSelected(true);
        // The Enter that closed a message box comes up over the list.
        QTest::keyRelease(list.get(), Qt::Key_Return);
        QCOMPARE(events, QStringList());
        QTest::keyPress(list.get(), Qt::Key_Down);
        QTest::keyRelease(list.get(), Qt::Key_Return);
        QCOMPARE(events, QStringList());
    }

    void spaceMarksTheCurrentItemWhicheverColumnWasClicked()
    {
        fill({"a", "b"});
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(1, 3)).center());
        events.clear();
        QTest::keyClick(list.get(), Qt::Key_Space);
        QCOMPARE(list->topLevelItem(1)->checkState(0), Qt::Checked);
        QCOMPARE(events, QStringList({"key:3"}));
    }

    void secondReleaseOfADoubleClickIsNoClick()
    {
        fill({"a", "b"});
        // What the window system sends for a double click.
        const QPoint at = centreOf(*list, 0);
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                           Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &second);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(events, QStringList({"click", "up", "double", "up"}));
    }

    void rightReleaseRunsItsHandlerBeforeTheMenuOpens()
    {
        fill({"a", "b"});
        closeNextMenu(&events);
        clickRow(*list, 1, Qt::RightButton);
        QCOMPARE(events, QStringList({"up:right", "menu"}));
        QVERIFY(list->topLevelItem(1)->isSelected());
    }
};

int runExplorerFileListTests(int argc, char** argv)
{
    ExplorerFileListTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "explorer_file_list_test.moc"
