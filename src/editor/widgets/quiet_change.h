#pragma once

#include <functional>

class QsciScintilla;

namespace tarnix {

// Makes a change of many pieces (a Replace All, or the undo or redo of one)
// without the editor widget's notice of every piece: on a program of a
// hundred thousand lines each notice costs far more than its change, and
// thousands of them froze the window for minutes. Listeners hear once at the
// end: textChanged when the change says it changed something, linesChanged
// when the number of lines differs.
void changeQuietly(QsciScintilla& editor, const std::function<bool()>& change);

// Undo and redo of the editor, quietly as above.
void undoQuietly(QsciScintilla& editor);
void redoQuietly(QsciScintilla& editor);

}  // namespace tarnix
