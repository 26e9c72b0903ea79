#pragma once
// The editor and the 3-D view follow each other: the caret line is the
// view's cursor line, selected lines are its marked range, and a pick in
// the view moves the editor (or fills the Select Range dialog). Also the
// editor's pop-up commands that belong to the view, the gutter click and
// the focus that follows the mouse between the editor and the Explorer's
// lists.

#include <QObject>

#include <functional>

class QAction;
class QsciScintilla;

namespace tarnix {

class PathView;
class TfrmSelRange;

// Puts lines b..e into the editor: from b to the start of the line after e
// when b < e, else from the line after b to the start of e. The caret keeps
// its column and ends up at the first of the two.
void selectLineRange(QsciScintilla& editor, int b, int e);

class ViewEditorSync : public QObject {
    Q_OBJECT

public:
    ViewEditorSync(QsciScintilla& SynEdit, PathView& Panel10, TfrmSelRange& frmSelRange, QWidget& mainWindow);

    // Draws the view with the window's current settings.
    std::function<void()> RenderScene;
    // The run control's yield after a pick: the run wiring connects its
    // DebugYield; until then pending events are processed.
    std::function<void()> DebugYield;
    // The gutter click's breakpoint toggle (program line); unset while
    // there is no run engine.
    std::function<void(int line)> toggleBreakpoint;

    // The editor pop-up's "Goto previous  Feed", "Goto next  Feed",
    // "Delete" and "Select Range".
    QAction* GotopreviouseFeed1 = nullptr;
    QAction* GotonextFeed1 = nullptr;
    QAction* Delete1 = nullptr;
    QAction* SelectRange1 = nullptr;

    // `control` takes the focus when the mouse moves over it while the main
    // window is the active one.
    void followFocus(QWidget& control);

    void SynEditGutterClick(int line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void linePicked(int line, bool shiftHeld);
    void SynEditKeyUp(int key, bool shiftHeld);
    void SynEditMouseUp(bool shiftHeld);
    void SynEditClick();
    void GotopreviouseFeed1Click();
    void GotonextFeed1Click();
    void Delete1Click();
    void SelectRange1Click();
    void setRange(int b, int e);
    void rangeFromEditor();
    int caretLine() const;

    QsciScintilla& SynEdit;
    PathView& Panel10;
    TfrmSelRange& frmSelRange;
    QWidget& mainWindow_;
};

}  // namespace tarnix
