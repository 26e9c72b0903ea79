#pragma once
// The program editor as the run engine reads it, over the QScintilla editor
// `SynEdit`. Lines count from 1; like a list of lines, the empty line after
// a final line break is not counted.

#include "run/run_editor.h"

class QsciScintilla;

namespace tarnix {

class SynEditRunEditor : public RunEditor {
public:
    explicit SynEditRunEditor(QsciScintilla& editor) : editor_(editor) {}

    int lineCount() const override;
    int caretLine() const override;
    std::string lineText(int line) const override;

    // The caret to column 1 of `line`, kept within the text. It neither
    // scrolls nor paints now: Qt paints once the event loop runs.
    void putCaretOnLine(int line);
    // The caret's column (from 0) and a move to a line keeping it, within
    // that line.
    int caretColumn() const;
    void putCaretOnLineAt(int line, int column);
    // Scrolls the caret into view.
    void showCaret();

private:
    int clampLine(int line) const;

    QsciScintilla& editor_;
};

}  // namespace tarnix
