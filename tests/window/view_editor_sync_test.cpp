// The editor and the view following each other, under Xvfb: picks move the
// editor, the editor's keys and clicks move the view's lines, and the
// Select Range dialog takes typed and picked lines.

#include "support/message_boxes.h"
#include "view/path_view.h"
#include "view/view_presets.h"
#include "window/widgets/sel_range_form.h"
#include "window/widgets/view_editor_sync.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>
#include <Qsci/qsciscintilla.h>

#include <cmath>
#include <memory>
#include <numbers>

using namespace tarnix;

namespace {

constexpr int kPanelSize = 240;

// The top view maps scene x, y straight onto the panel around its centre.
QPoint pixelOf(double x, double y)
{
    const double pixelsPerUnit = (kPanelSize / 2.0) / (300 * std::tan(0.05 * std::numbers::pi / 180));
    return {static_cast<int>(std::lround(kPanelSize / 2.0 + x * pixelsPerUnit)),
            static_cast<int>(std::lround(kPanelSize / 2.0 - y * pixelsPerUnit))};
}

// Segments of lines 2, 3 and 4 (line 1 is where the path starts).
const QPoint kLine2 = pixelOf(-0.12, -0.2);
const QPoint kLine4 = pixelOf(-0.12, -0.05);

struct Selection {
    int lineFrom, indexFrom, lineTo, indexTo;
    bool operator==(const Selection&) const = default;
};

}  // namespace

class ViewEditorSyncTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pickMovesTheEditorToTheLine();
    void shiftPickBeforeTheCursorLineSelectsReversed();
    void downMovesTheCursorLineAndRightDoesNot();
    void shiftDownMarksTheRangeAndKeepsTheCursorLine();
    void selectRangeRejectsEmptyAndNonNumericEdits();
    void keysAfterASelectRangeMessageGoBackToTheEdit();
    void picksFillBothEditsAfterTheEndWasClickedAndTheDialogReopened();
    void gutterClickGoesToTheBreakpointHook();
    void clickInsideASelectionMovesTheViewToWhereTheCaretEnds();
    void plainClickInTheEditorClearsTheMarkedRange();
    void feedSearchesFindTheFWordsBothWays();

private:
    SceneInput& input() { return view_->sceneInput(); }
    Selection selection() const
    {
        Selection s{};
        editor_->getSelection(&s.lineFrom, &s.indexFrom, &s.lineTo, &s.indexTo);
        return s;
    }
    int caretLine() const
    {
        int line = 0, index = 0;
        editor_->getCursorPosition(&line, &index);
        return line;
    }

    std::unique_ptr<QWidget> window_;
    QsciScintilla* editor_ = nullptr;
    PathView* view_ = nullptr;
    TfrmSelRange* dialog_ = nullptr;
    ViewEditorSync* sync_ = nullptr;
    TD3FloatPointList path_;
    int renders_ = 0;
};

void ViewEditorSyncTest::init()
{
    if (path_.Count() == 0) {
        const GLColor feed = {0.5f, 1, 0};
        path_.Add(feed, 1, -0.2L, -0.2L, 0, 1000, false);
        path_.Add(feed, 2, -0.05L, -0.2L, 0, 1000, false);
        path_.Add(feed, 3, -0.05L, -0.05L, 0, 1000, false);
        path_.Add(feed, 4, -0.2L, -0.05L, 0, 1000, false);
    }
    window_ = std::make_unique<QWidget>();
    auto* layout = new QHBoxLayout(window_.get());
    editor_ = new QsciScintilla(window_.get());
    // Long enough for any line to become the top line.
    editor_->setText("G0 X-20 Y-20\nG1 X-5 F100\nY-5\nX-20\n" + QString("G4 P1\n").repeated(200));
    view_ = new PathView(window_.get());
    view_->setFixedSize(kPanelSize, kPanelSize);
    layout->addWidget(editor_);
    layout->addWidget(view_);
    dialog_ = new TfrmSelRange(window_.get());
    sync_ = new ViewEditorSync(*editor_, *view_, *dialog_, *window_);
    renders_ = 0;
    sync_->RenderScene = [this] {
        ++renders_;
        view_->RenderScene();
    };
    input().FPathPoints = &path_;
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    view_->showPreset(btnExplXYClick);
}

void ViewEditorSyncTest::cleanup()
{
    window_.reset();
}

void ViewEditorSyncTest::pickMovesTheEditorToTheLine()
{
    input().FSelBeginLine = 1;
    input().FSelEndLine = 2;
    int yields = 0;
    sync_->DebugYield = [&yields] { ++yields; };
    QTest::mouseClick(view_, Qt::LeftButton, Qt::NoModifier, kLine4);
    QCOMPARE(caretLine(), 3);
    QCOMPARE(editor_->firstVisibleLine(), 3);
    QCOMPARE(input().FCursorLine, 4);
    QCOMPARE(input().FSelBeginLine, 0);
    QCOMPARE(input().FSelEndLine, 0);
    QCOMPARE(yields, 1);
}

void ViewEditorSyncTest::shiftPickBeforeTheCursorLineSelectsReversed()
{
    input().FCursorLine = 4;
    editor_->setCursorPosition(3, 2);
    QTest::mouseClick(view_, Qt::LeftButton, Qt::ShiftModifier, kLine2);
    QCOMPARE(input().FSelBeginLine, 4);
    QCOMPARE(input().FSelEndLine, 2);
    // From the start of line 2 to the line after 4, caret column kept.
    QCOMPARE(selection(), (Selection{1, 0, 4, 2}));
    QCOMPARE(caretLine(), 4);

    // Forwards: from the cursor line to the start of the line after the pick.
    input().FCursorLine = 2;
    editor_->setCursorPosition(1, 0);
    QTest::mouseClick(view_, Qt::LeftButton, Qt::ShiftModifier, kLine4);
    QCOMPARE(selection(), (Selection{1, 0, 4, 0}));
    QCOMPARE(caretLine(), 1);
}

void ViewEditorSyncTest::downMovesTheCursorLineAndRightDoesNot()
{
    editor_->setFocus();
    editor_->setCursorPosition(1, 0);
    QTest::keyClick(editor_, Qt::Key_Down);
    QCOMPARE(input().FCursorLine, 3);
    QTest::keyClick(editor_, Qt::Key_Right);
    QTest::keyClick(editor_, Qt::Key_A);
    QCOMPARE(input().FCursorLine, 3);
    QTest::keyClick(editor_, Qt::Key_Up);
    QCOMPARE(input().FCursorLine, 2);
}

void ViewEditorSyncTest::shiftDownMarksTheRangeAndKeepsTheCursorLine()
{
    editor_->setFocus();
    editor_->setCursorPosition(1, 0);
    input().FCursorLine = 2;
    QTest::keyClick(editor_, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(editor_, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(input().FSelBeginLine, 2);
    QCOMPARE(input().FSelEndLine, 4);
    QCOMPARE(input().FCursorLine, 2);
}

void ViewEditorSyncTest::selectRangeRejectsEmptyAndNonNumericEdits()
{
    input().FSelBeginLine = 2;
    input().FSelEndLine = 3;
    sync_->SelectRange1->trigger();
    QVERIFY(dialog_->isVisible());
    QCOMPARE(dialog_->edBegin->text(), "2");

    struct Case {
        QLineEdit* edit;
        const char* text;
        const char* message;
    };
    for (const Case& c : {Case{dialog_->edBegin, "", "Errpr: Empty begin or end position"},
                          Case{dialog_->edEnd, "x", "Errpr: Convertion error. Only digits!"},
                          Case{dialog_->edBegin, "1a", "Errpr: Convertion error. Only digits!"}}) {
        QString message;
        testing::answerNextMessageBox(&message);
        c.edit->setText(c.text);
        QCOMPARE(message, c.message);
        QCOMPARE(input().FSelBeginLine, 2);
        QCOMPARE(input().FSelEndLine, 3);
    }

    // A begin after the end selects from the end line to the line after
    // the begin; the view marks nothing.
    dialog_->edEnd->setText("2");
    dialog_->edBegin->setText("4");
    QCOMPARE(input().FSelBeginLine, 4);
    QCOMPARE(input().FSelEndLine, 2);
    QCOMPARE(selection().lineFrom, 1);
    QCOMPARE(selection().lineTo, 4);
}

// The message boxes take the keyboard from the dialog; once answered, the
// next keys must retype the edit, not land in the program.
void ViewEditorSyncTest::keysAfterASelectRangeMessageGoBackToTheEdit()
{
    const QString program = editor_->text();
    struct Case {
        QLineEdit* edit;
        Qt::Key key;
        const char* message;
    };
    for (const Case& c : {Case{dialog_->edBegin, Qt::Key_Backspace, "Errpr: Empty begin or end position"},
                          Case{dialog_->edEnd, Qt::Key_Z, "Errpr: Convertion error. Only digits!"}}) {
        sync_->SelectRange1->trigger();
        dialog_->activateWindow();
        c.edit->setFocus();
        QTRY_VERIFY(c.edit->hasFocus());
        c.edit->end(false);
        QString message;
        testing::answerNextMessageBox(&message);
        QTest::keyClick(c.edit, c.key);
        QCOMPARE(message, c.message);

        QTRY_COMPARE(QApplication::focusWidget(), c.edit);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
        QCOMPARE(editor_->text(), program);
        dialog_->close();
    }
}

void ViewEditorSyncTest::picksFillBothEditsAfterTheEndWasClickedAndTheDialogReopened()
{
    sync_->SelectRange1->trigger();
    QTest::mouseClick(dialog_->edEnd, Qt::LeftButton);
    QVERIFY(dialog_->endFlag() && !dialog_->beginFlag());
    dialog_->close();
    sync_->SelectRange1->trigger();
    QVERIFY(dialog_->endFlag() && dialog_->beginFlag());

    input().FCursorLine = 2;
    QTest::mouseClick(view_, Qt::LeftButton, Qt::NoModifier, kLine4);
    QCOMPARE(dialog_->edBegin->text(), "4");
    QCOMPARE(dialog_->edEnd->text(), "4");
    QCOMPARE(input().FSelBeginLine, 4);
    QCOMPARE(input().FSelEndLine, 4);
    // The editor's usual move to the picked line is skipped: the caret is
    // where the range 4..4 puts it, the line after the begin line.
    QCOMPARE(input().FCursorLine, 2);
    QCOMPARE(caretLine(), 4);
}

void ViewEditorSyncTest::gutterClickGoesToTheBreakpointHook()
{
    int toggled = 0;
    sync_->toggleBreakpoint = [&toggled](int line) { toggled = line; };
    emit editor_->marginClicked(0, 2, Qt::NoModifier);
    QCOMPARE(toggled, 3);
}

void ViewEditorSyncTest::clickInsideASelectionMovesTheViewToWhereTheCaretEnds()
{
    // The editor moves the caret of a click inside its selection only on
    // the release, in case the press began a drag.
    editor_->setCursorPosition(4, 0);
    editor_->setSelection(4, 0, 6, 0);
    const long position = editor_->positionFromLineIndex(5, 2);
    const QPoint text(static_cast<int>(editor_->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0UL, position)),
                      static_cast<int>(editor_->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, position)) +
                          2);
    QTest::mouseClick(editor_->viewport(), Qt::LeftButton, Qt::NoModifier, text);
    QTest::qWait(20);
    QCOMPARE(caretLine(), 5);
    QCOMPARE(input().FCursorLine, 6);
}

// A click in the text puts the view's cursor on the clicked line and ends
// the marked range; with Shift held the range follows the editor's.
void ViewEditorSyncTest::plainClickInTheEditorClearsTheMarkedRange()
{
    auto clickLine = [this](int line, Qt::KeyboardModifiers modifiers) {
        const long position = editor_->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line - 1);
        const int y = static_cast<int>(editor_->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, position)) +
                      static_cast<int>(editor_->SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, 0UL)) / 2;
        const int x = static_cast<int>(editor_->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0UL, position));
        QTest::mouseClick(editor_->viewport(), Qt::LeftButton, modifiers, QPoint(x + 2, y));
    };
    input().FSelBeginLine = 2;
    input().FSelEndLine = 4;
    clickLine(3, Qt::NoModifier);
    QTRY_COMPARE(input().FCursorLine, 3);
    QCOMPARE(input().FSelBeginLine, 0);
    QCOMPARE(input().FSelEndLine, 0);

    clickLine(5, Qt::ShiftModifier);
    QTRY_COMPARE(input().FSelEndLine, 5);
    QCOMPARE(input().FSelBeginLine, 3);
}

// "Goto next  Feed" and "Goto previous  Feed" select the next or the
// previous "F" from the caret, in either case.
void ViewEditorSyncTest::feedSearchesFindTheFWordsBothWays()
{
    editor_->setText("G0 X0\nG1 X1 f100\nG1 X2\nG1 X3 F200\n");
    editor_->setCursorPosition(0, 0);
    sync_->GotonextFeed1->trigger();
    QCOMPARE(selection(), (Selection{1, 6, 1, 7}));
    sync_->GotonextFeed1->trigger();
    QCOMPARE(selection(), (Selection{3, 6, 3, 7}));
    sync_->GotopreviouseFeed1->trigger();
    QCOMPARE(selection(), (Selection{1, 6, 1, 7}));
}

QTEST_MAIN(ViewEditorSyncTest)
#include "view_editor_sync_test.moc"
