#pragma once
// The run's marks in the program editor: a glyph in a gutter margin of its
// own for every row (executable, current, current with a breakpoint,
// breakpoint) and the colours of the current line (white on blue) and of
// breakpoint lines (white on red), as the engine's GetLineInfo gives them.
// The glyphs are painted over the margin for each row shown, also rows
// below the end of the text; QScintilla markers carry the line backgrounds
// and an indicator the white text. Markers travel with the text as lines
// are inserted and deleted while the engine's lines stay put, so every
// change in the line count paints the colours afresh from the engine.

#include <QObject>
#include <QRect>

class QsciScintilla;
class QWidget;

namespace tarnix {

class TCNCDebugger;

class TDebugSupportPlugin : public QObject {
    Q_OBJECT

public:
    TDebugSupportPlugin(QsciScintilla& editor, const TCNCDebugger& debugger);

    // Marks `line` (from 1) as the engine sees it now; the colours of lines
    // outside the text are left alone.
    void repaintLine(int line);
    // Every line's marks again.
    void repaintAll();

    // The gutter margin of the glyphs; a click in it is a gutter click.
    int glyphMargin() const { return glyphMargin_; }
    // Where the glyph of `line` (from 1) is painted, in the editor
    // viewport's coordinates; rows above the first one shown lie above 0.
    QRect glyphRect(int line) const;
    // The glyph (0 to 3) that `line` shows, from the engine's line information.
    int glyphFor(int line) const;

signals:
    void gutterClicked(int line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearMarks(int line);
    void whiteText(int line, bool white);
    void textModified(int modificationType, int line);
    void placeGlyphs();

    QsciScintilla& editor_;
    const TCNCDebugger& debugger_;
    QWidget* glyphs_ = nullptr;
    int glyphMargin_ = 2;
    int currentBackMarker_ = 0;
    int breakpointBackMarker_ = 0;
    int whiteTextIndicator_ = 0;
    bool repainting_ = false;
};

}  // namespace tarnix
