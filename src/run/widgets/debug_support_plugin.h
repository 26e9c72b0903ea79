#pragma once
// The run's marks in the program editor: a glyph in a gutter margin of its
// own for every line (executable, current, current with a breakpoint,
// breakpoint) and the colours of the current line (white on blue) and of
// breakpoint lines (white on red), as the engine's GetLineInfo gives them.
// QScintilla markers carry the glyphs and the line backgrounds, an
// indicator the white text.

#include <QObject>

class QsciScintilla;

namespace tarnix {

class TCNCDebugger;

class TDebugSupportPlugin : public QObject {
    Q_OBJECT

public:
    TDebugSupportPlugin(QsciScintilla& editor, const TCNCDebugger& debugger);

    // Marks `line` (from 1) as the engine sees it now; lines outside the
    // text are left alone.
    void repaintLine(int line);
    // Every line's marks again.
    void repaintAll();

    // The gutter margin of the glyphs; a click in it is a gutter click.
    int glyphMargin() const { return glyphMargin_; }
    // The glyph (0 to 3) that `line` shows; -1 for none.
    int glyphAt(int line) const;

signals:
    void gutterClicked(int line);

private:
    void markExecutable(int firstLine, int count);
    void clearMarks(int line);
    void whiteText(int line);
    void textModified(int position, int modificationType, int linesAdded, int line);

    QsciScintilla& editor_;
    const TCNCDebugger& debugger_;
    int glyphMargin_ = 2;
    int glyphMarker_[4] = {};
    int currentBackMarker_ = 0;
    int breakpointBackMarker_ = 0;
    int whiteTextIndicator_ = 0;
};

}  // namespace tarnix
