#include "window/widgets/view_editor_sync.h"

#include "view/path_view.h"
#include "window/widgets/sel_range_form.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace tarnix {
namespace {

struct Place {
    int line;   // from 0
    int index;  // characters into the line
};

// Lines past the end stand for the end of the text, as in the editor the
// start of the line after the last one is the end.
Place clamped(const QsciScintilla& editor, Place place)
{
    const int lines = editor.lines();
    if (place.line >= lines)
        return {lines - 1, editor.lineLength(lines - 1)};
    place.line = std::max(place.line, 0);
    place.index = std::min(place.index, static_cast<int>(editor.text(place.line).remove(QChar(10)).remove(QChar(13)).size()));
    return place;
}

}  // namespace

void selectLineRange(QsciScintilla& editor, int b, int e)
{
    int caretLine = 0, column = 0;
    editor.getCursorPosition(&caretLine, &column);
    const Place caret = clamped(editor, b < e ? Place{b - 1, column} : Place{b, column});
    const Place end = clamped(editor, b < e ? Place{e, 0} : Place{e - 1, 0});
    // The selection runs from its end (the anchor) to the caret.
    editor.setSelection(end.line, end.index, caret.line, caret.index);
}

ViewEditorSync::ViewEditorSync(QsciScintilla& SynEdit, PathView& Panel10, TfrmSelRange& frmSelRange,
                               QWidget& mainWindow)
    : QObject(&mainWindow), SynEdit(SynEdit), Panel10(Panel10), frmSelRange(frmSelRange), mainWindow_(mainWindow)
{
    DebugYield = [] { QCoreApplication::processEvents(); };
    connect(&Panel10, &PathView::linePicked, this, [this](int line, bool shiftHeld) { linePicked(line, shiftHeld); });

    SynEdit.installEventFilter(this);
    SynEdit.viewport()->installEventFilter(this);
    followFocus(SynEdit);
    for (int margin = 0; margin < 2; ++margin)
        SynEdit.setMarginSensitivity(margin, true);
    connect(&SynEdit, &QsciScintilla::marginClicked, this,
            [this](int margin, int line, Qt::KeyboardModifiers) {
                // The run marks' own margin toggles breakpoints by itself.
                if (margin < 2)
                    SynEditGutterClick(line + 1);
            });

    auto action = [this](QAction*& target, const char* name, const char* caption, QKeySequence shortcut,
                         void (ViewEditorSync::*handler)()) {
        target = new QAction(caption, &this->SynEdit);
        target->setObjectName(name);
        target->setShortcut(shortcut);
        // While the editor has the focus these come before the main menu's.
        target->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(target, &QAction::triggered, this, handler);
    };
    action(GotopreviouseFeed1, "GotopreviouseFeed1", "Goto previous  Feed", QKeySequence(Qt::CTRL | Qt::Key_P),
           &ViewEditorSync::GotopreviouseFeed1Click);
    action(GotonextFeed1, "GotonextFeed1", "Goto next  Feed", QKeySequence(Qt::CTRL | Qt::Key_N),
           &ViewEditorSync::GotonextFeed1Click);
    action(Delete1, "Delete1", "Delete", QKeySequence(), &ViewEditorSync::Delete1Click);
    action(SelectRange1, "SelectRange1", "Select Range", QKeySequence(), &ViewEditorSync::SelectRange1Click);

    frmSelRange.currentRange = [this] {
        const SceneInput& input = this->Panel10.sceneInput();
        return std::pair{static_cast<int>(input.FSelBeginLine), static_cast<int>(input.FSelEndLine)};
    };
    frmSelRange.setRange = [this](int b, int e) { setRange(b, e); };
    frmSelRange.RenderScene = [this] { RenderScene(); };
}

void ViewEditorSync::followFocus(QWidget& control)
{
    QWidget* target = &control;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&control))
        target = area->viewport();
    target->setMouseTracking(true);
    target->installEventFilter(this);
}

bool ViewEditorSync::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (QApplication::activeWindow() == &mainWindow_) {
            QWidget* control = static_cast<QWidget*>(watched);
            if (auto* area = qobject_cast<QAbstractScrollArea*>(control->parentWidget());
                area != nullptr && area->viewport() == control)
                control = area;
            control->setFocus();
        }
        break;
    case QEvent::KeyRelease:
        if (watched == &SynEdit) {
            const auto* key = static_cast<QKeyEvent*>(event);
            SynEditKeyUp(key->key(), key->modifiers().testFlag(Qt::ShiftModifier));
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == SynEdit.viewport()) {
            // Handled once the editor has taken the release: a click inside
            // the selection moves the caret only then. The click comes
            // before the mouse-up.
            const bool shiftHeld = static_cast<QMouseEvent*>(event)->modifiers().testFlag(Qt::ShiftModifier);
            QMetaObject::invokeMethod(
                this,
                [this, shiftHeld] {
                    SynEditClick();
                    SynEditMouseUp(shiftHeld);
                },
                Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

int ViewEditorSync::caretLine() const
{
    int line = 0, index = 0;
    SynEdit.getCursorPosition(&line, &index);
    return line + 1;
}

void ViewEditorSync::rangeFromEditor()
{
    SceneInput& input = Panel10.sceneInput();
    int lineFrom = -1, indexFrom = -1, lineTo = -1, indexTo = -1;
    SynEdit.getSelection(&lineFrom, &indexFrom, &lineTo, &indexTo);
    if (lineFrom < 0) {
        input.FSelBeginLine = input.FSelEndLine = caretLine();
        return;
    }
    input.FSelBeginLine = lineFrom + 1;
    input.FSelEndLine = lineTo + 1;
}

void ViewEditorSync::SynEditKeyUp(int key, bool shiftHeld)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Down && key != Qt::Key_Up)
        return;
    if (shiftHeld)
        rangeFromEditor();
    else
        Panel10.sceneInput().FCursorLine = caretLine();
    RenderScene();
}

void ViewEditorSync::SynEditMouseUp(bool shiftHeld)
{
    SceneInput& input = Panel10.sceneInput();
    if (shiftHeld) {
        rangeFromEditor();
    } else {
        input.FCursorLine = caretLine();
        input.FSelBeginLine = input.FSelEndLine = 0;
    }
    RenderScene();
}

void ViewEditorSync::SynEditClick()
{
    Panel10.sceneInput().FCursorLine = caretLine();
    RenderScene();
}

void ViewEditorSync::SynEditGutterClick(int line)
{
    if (toggleBreakpoint)
        toggleBreakpoint(line);
    // The gutter glyphs follow.
    SynEdit.viewport()->update();
}

void ViewEditorSync::linePicked(int line, bool shiftHeld)
{
    SceneInput& input = Panel10.sceneInput();
    const bool dialogShown = frmSelRange.isVisible();
    if (dialogShown) {
        // Each text change runs the edit's own handler.
        if (frmSelRange.beginFlag())
            frmSelRange.edBegin->setText(QString::number(line));
        if (frmSelRange.endFlag())
            frmSelRange.edEnd->setText(QString::number(line));
    }
    if (shiftHeld) {
        input.FSelBeginLine = input.FCursorLine;
        input.FSelEndLine = line;
        selectLineRange(SynEdit, input.FSelBeginLine, line);
    } else if (!dialogShown) {
        SynEdit.setFirstVisibleLine(line - 1);
        SynEdit.setCursorPosition(line - 1, 0);
        if (SynEdit.isVisible() && SynEdit.isEnabled())
            SynEdit.setFocus();
        SynEdit.viewport()->update();
        DebugYield();
        input.FCursorLine = line;
        input.FSelBeginLine = input.FSelEndLine = 0;
    }
}

void ViewEditorSync::setRange(int b, int e)
{
    SceneInput& input = Panel10.sceneInput();
    input.FSelBeginLine = b;
    input.FSelEndLine = e;
    selectLineRange(SynEdit, b, e);
    RenderScene();
}

void ViewEditorSync::GotopreviouseFeed1Click()
{
    // From the start of a selection, so a selected match is not found again.
    int line = 0, index = 0, lineTo = 0, indexTo = 0;
    SynEdit.getSelection(&line, &index, &lineTo, &indexTo);
    if (line < 0)
        SynEdit.getCursorPosition(&line, &index);
    SynEdit.findFirst("F", false, false, false, false, false, line, index);
}

void ViewEditorSync::GotonextFeed1Click()
{
    int line = 0, index = 0;
    SynEdit.getCursorPosition(&line, &index);
    SynEdit.findFirst("F", false, false, false, false, true, line, index);
}

void ViewEditorSync::Delete1Click()
{
    if (SynEdit.hasSelectedText())
        SynEdit.removeSelectedText();
}

void ViewEditorSync::SelectRange1Click()
{
    frmSelRange.show();
    frmSelRange.setBeginFlag();
    const SceneInput& input = Panel10.sceneInput();
    frmSelRange.edBegin->setText(QString::number(input.FSelBeginLine));
    frmSelRange.edEnd->setText(QString::number(input.FSelEndLine));
}

}  // namespace tarnix
