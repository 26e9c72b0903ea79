#pragma once
// Prints the editor's text, or only its selection when it has one, with
// the page set-up the program always used: margins left 25, right 15,
// top 25, bottom 25 mm, no header or footer text.

class QsciPrinter;
class QsciScintilla;

namespace tarnix {

void setUpProgramPage(QsciPrinter& printer);
// False when the printer reported an error.
bool printProgram(QsciScintilla& editor, QsciPrinter& printer);

}  // namespace tarnix
