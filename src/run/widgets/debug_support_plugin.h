#pragma once
// The run's marks in the program editor: a glyph in a gutter margin of its
// own for every row (executable, current, current with a breakpoint,
// breakpoint) and the colours of the current line (white on blue) and of
// breakpoint lines (white on red), as the engine's GetLineInfo gives them.
// The glyphs are painted over the margin for each row shown, also rows
// below the end of the text; QScintilla markers carry the line backgrounds
// and an indicator the white text. Markers travel with the text as lines
// are inserted and deleted while the engine's lines stay put, so every
// change in the line count paints the colours afresh from the engine. That
// happens at every Return and BackSpace: the plug-in follows where its few
// markers went instead of clearing every line of a program of millions.

#include <QObject>
#include <QRect>

#include <vector>

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
    // A line background painted, on the editor line (from 1) it lies on now.
    struct PaintedMark {
        int line;
        int marker;
    };
    // What the gutter rows show: which lines, where.
    struct GlyphRows {
        long top = -1;
        int topY = 0;
        int height = 0;
        bool operator==(const GlyphRows&) const = default;
    };

    void markLine(int line);
    void clearMarks(int line);
    void whiteText(int line, bool white);
    void clearAllWhiteText();
    void markEngineLines();
    void textModified(int modificationType, int position, int linesAdded, int line);
    void followMovedMarks(int position, int linesAdded, bool inserted);
    void repaintMovedMarks();
    void placeGlyphs();
    GlyphRows glyphRows() const;

    QsciScintilla& editor_;
    const TCNCDebugger& debugger_;
    QWidget* glyphs_ = nullptr;
    int glyphMargin_ = 2;
    int currentBackMarker_ = 0;
    int breakpointBackMarker_ = 0;
    int whiteTextIndicator_ = 0;
    bool repainting_ = false;
    std::vector<PaintedMark> painted_;
    // The line count the notices told of; a change made without them (a
    // quiet change of many pieces) leaves it behind the editor's.
    int followedLines_ = 0;
    GlyphRows shownRows_;
};

}  // namespace tarnix
