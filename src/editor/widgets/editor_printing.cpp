#include "editor/widgets/editor_printing.h"

#include "editor/widgets/program_lexer.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <Qsci/qsciprinter.h>
#include <Qsci/qsciscintilla.h>

#include <utility>
#include <vector>

namespace tarnix {
namespace {

// Scintilla prints a line-number margin that the editor shows; the gutter's
// numbers belong to the screen, so the page gets the text alone. The widths
// come back before anything is painted again.
class LineNumbersHidden {
public:
    explicit LineNumbersHidden(QsciScintilla& editor) : editor_(editor)
    {
        for (int margin = 0; margin < editor_.margins(); ++margin) {
            const int width = editor_.marginWidth(margin);
            if (editor_.marginType(margin) == QsciScintilla::NumberMargin && width > 0) {
                hidden_.push_back({margin, width});
                editor_.setMarginWidth(margin, 0);
            }
        }
    }
    ~LineNumbersHidden()
    {
        for (const auto& [margin, width] : hidden_)
            editor_.setMarginWidth(margin, width);
    }
    LineNumbersHidden(const LineNumbersHidden&) = delete;
    LineNumbersHidden& operator=(const LineNumbersHidden&) = delete;

private:
    QsciScintilla& editor_;
    std::vector<std::pair<int, int>> hidden_;  // margin, width shown
};

bool printWhole(QsciScintilla& editor, QsciPrinter& printer)
{
    const LineNumbersHidden textAlone(editor);
    // A painter of our own tells whether the printer (or its file) opened.
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const bool printed = printer.printRange(&editor, painter) != 0;
    return painter.end() && printed;
}

QString pdfBeside(const QString& programFile)
{
    if (programFile.isEmpty())
        return {};
    const QFileInfo program(programFile);
    return program.path() + "/" + program.completeBaseName() + ".pdf";
}

}  // namespace

void setUpProgramPage(QsciScintilla& editor, QsciPrinter& printer)
{
    printer.setPageMargins(QMarginsF(25, 25, 15, 25), QPageLayout::Millimeter);
    printer.setPrintRange(editor.hasSelectedText() ? QPrinter::Selection : QPrinter::AllPages);
}

bool printProgram(QsciScintilla& editor, QsciPrinter& printer)
{
    // QsciPrinter's own printRange() hides the printer's range.
    if (printer.QPrinter::printRange() != QPrinter::Selection || !editor.hasSelectedText())
        return printWhole(editor, printer);
    // The printer prints whole lines: the selection goes through an editor
    // of its own that holds just the selected text, highlighted alike.
    QsciScintilla selection;
    selection.setFont(editor.font());
    if (auto* lexer = qobject_cast<ProgramLexer*>(editor.lexer()))
        selection.setLexer(new ProgramLexer(lexer->defaultFont(), &selection));
    selection.setText(editor.selectedText());
    return printWhole(selection, printer);
}

DialogPrint printThroughDialog(QsciScintilla& editor, QsciPrinter& printer, const QString& programFile,
                               QWidget* parent)
{
    setUpProgramPage(editor, printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    if (const QString pdf = pdfBeside(programFile); !pdf.isEmpty())
        printer.setOutputFileName(pdf);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, editor.hasSelectedText());
    if (dialog.exec() != QDialog::Accepted)
        return DialogPrint::Cancelled;
    return printProgram(editor, printer) ? DialogPrint::Printed : DialogPrint::Failed;
}

}  // namespace tarnix
