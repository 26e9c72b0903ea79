#pragma once
// Prints the editor's text, or only its selection when it has one, with
// the page set-up the program always used: margins left 25, right 15,
// top 25, bottom 25 mm, no header or footer text.

class QString;
class QWidget;
class QsciPrinter;
class QsciScintilla;

namespace tarnix {

// The margins, and the selection as the range to print when the editor has
// one (the whole text otherwise).
void setUpProgramPage(QsciScintilla& editor, QsciPrinter& printer);
// Prints the range the printer asks for. False when the printer reported
// an error (for a file: it could not be written).
bool printProgram(QsciScintilla& editor, QsciPrinter& printer);

enum class DialogPrint { Printed, Cancelled, Failed };
// For a machine without a printer: the print dialog, set up as above and
// proposing a PDF file named after `programFile` beside it; the user may
// still choose between the whole text and the selection.
DialogPrint printThroughDialog(QsciScintilla& editor, QsciPrinter& printer, const QString& programFile,
                               QWidget* parent);

}  // namespace tarnix
