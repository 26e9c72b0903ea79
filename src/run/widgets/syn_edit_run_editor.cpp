#include "run/widgets/syn_edit_run_editor.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace tarnix {

int SynEditRunEditor::lineCount() const
{
    const long lines = editor_.SendScintilla(QsciScintilla::SCI_GETLINECOUNT);
    const long lastStart = editor_.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, lines - 1);
    const long length = editor_.SendScintilla(QsciScintilla::SCI_GETLENGTH);
    return static_cast<int>(lastStart == length ? lines - 1 : lines);
}

int SynEditRunEditor::caretLine() const
{
    const long caret = editor_.SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    return static_cast<int>(editor_.SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, caret)) + 1;
}

std::string SynEditRunEditor::lineText(int line) const
{
    if (line < 1 || line > lineCount())
        return {};
    const unsigned long index = static_cast<unsigned long>(line - 1);
    std::string bytes(static_cast<std::size_t>(editor_.SendScintilla(QsciScintilla::SCI_LINELENGTH, index)), '\0');
    if (!bytes.empty())
        editor_.SendScintilla(QsciScintilla::SCI_GETLINE, index, bytes.data());
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r'))
        bytes.pop_back();
    if (!editor_.isUtf8())
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())).toStdString();
    return bytes;
}

int SynEditRunEditor::clampLine(int line) const
{
    return std::clamp(line, 1, std::max(lineCount(), 1));
}

void SynEditRunEditor::putCaretOnLine(int line)
{
    const long start = editor_.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE,
                                             static_cast<unsigned long>(clampLine(line) - 1));
    editor_.SendScintilla(QsciScintilla::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(start));
}

int SynEditRunEditor::caretColumn() const
{
    int line = 0, column = 0;
    editor_.getCursorPosition(&line, &column);
    return column;
}

void SynEditRunEditor::putCaretOnLineAt(int line, int column)
{
    const unsigned long index = static_cast<unsigned long>(clampLine(line) - 1);
    const long start = editor_.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, index);
    const long end = editor_.SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, index);
    long caret = start;
    if (column > 0) {
        // 0 when the column lies beyond the text.
        caret = editor_.SendScintilla(QsciScintilla::SCI_POSITIONRELATIVE, static_cast<unsigned long>(start),
                                      static_cast<long>(column));
        if (caret <= start || caret > end)
            caret = end;
    }
    editor_.SendScintilla(QsciScintilla::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(caret));
}

void SynEditRunEditor::showCaret()
{
    editor_.SendScintilla(QsciScintilla::SCI_SCROLLCARET);
}

}  // namespace tarnix
