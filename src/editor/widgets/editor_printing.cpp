#include "editor/widgets/editor_printing.h"

#include "editor/widgets/program_lexer.h"

#include <QPageLayout>
#include <Qsci/qsciprinter.h>
#include <Qsci/qsciscintilla.h>

namespace tarnix {

void setUpProgramPage(QsciPrinter& printer)
{
    printer.setPageMargins(QMarginsF(25, 25, 15, 25), QPageLayout::Millimeter);
}

bool printProgram(QsciScintilla& editor, QsciPrinter& printer)
{
    if (!editor.hasSelectedText())
        return printer.printRange(&editor) != 0;
    // The printer prints whole lines: the selection goes through an editor
    // of its own that holds just the selected text, highlighted alike.
    QsciScintilla selection;
    selection.setFont(editor.font());
    if (auto* lexer = qobject_cast<ProgramLexer*>(editor.lexer()))
        selection.setLexer(new ProgramLexer(lexer->defaultFont(), &selection));
    selection.setText(editor.selectedText());
    return printer.printRange(&selection) != 0;
}

}  // namespace tarnix
