#pragma once
// What the program editor tells assistive technology. QScintilla's
// accessible gives the text in characters, and after every repaint that
// moved the caret it counts the characters from the start of the text to
// the caret: on a program of millions of lines a run that moves the caret
// down it spends most of its time there, more the further it goes. Qt makes
// that accessible as soon as the editor takes the focus, whether a screen
// reader listens or not. So the editors answer with Qt's plain widget
// accessible while none listens, and with QScintilla's once one does.

namespace tarnix {

// Takes effect for every QScintilla editor of the application; a second
// call does nothing.
void giveEditorTextOnlyToListeners();

}  // namespace tarnix
