#include "editor/widgets/editor_search.h"

#include "editor/widgets/quiet_change.h"
#include "editor/widgets/search_dialog.h"

#include <Qsci/qsciscintilla.h>

#include <utility>

namespace tarnix {

EditorSearch::EditorSearch(QsciScintilla& editor, std::function<void()> beep)
    : editor_(editor), beep_(std::move(beep))
{
}

bool EditorSearch::findFrom(const QString& text, bool matchCase, bool wholeWord, bool forward)
{
    int line = 0, index = 0;
    if (!forward && editor_.hasSelectedText()) {
        // Backwards from the start of the match found last, not from inside it.
        int lineTo = 0, indexTo = 0;
        editor_.getSelection(&line, &index, &lineTo, &indexTo);
    } else {
        editor_.getCursorPosition(&line, &index);
    }
    return editor_.findFirst(text, false, matchCase, wholeWord, false, forward, line, index);
}

void EditorSearch::DoFindText(const SearchDialog& dialog)
{
    if (dialog.findText().isEmpty() || !findFrom(dialog.findText(), dialog.matchCase(), dialog.wholeWord(), dialog.down()))
        beep_();
}

int EditorSearch::replacePass(const SearchDialog& dialog)
{
    // Straight through the editor's target, without selecting and scrolling
    // to every match: a big program has thousands of them.
    const QByteArray find = dialog.findText().toUtf8();
    const QByteArray replacement = dialog.replaceText().toUtf8();
    editor_.SendScintilla(QsciScintillaBase::SCI_SETSEARCHFLAGS,
                          (dialog.matchCase() ? QsciScintillaBase::SCFIND_MATCHCASE : 0) |
                              (dialog.wholeWord() ? QsciScintillaBase::SCFIND_WHOLEWORD : 0));
    long from = editor_.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    long lastStart = -1;
    int replaced = 0;
    for (;;) {
        editor_.SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, from,
                              editor_.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
        const long found = editor_.SendScintilla(QsciScintillaBase::SCI_SEARCHINTARGET, find.size(), find.constData());
        if (found < 0)
            break;
        const long length =
            editor_.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, replacement.size(), replacement.constData());
        lastStart = found;
        from = found + length;  // a replacement holding the find text is not searched again
        ++replaced;
    }
    // The last replacement ends selected, and the next pass starts after it.
    if (replaced > 0)
        editor_.SendScintilla(QsciScintillaBase::SCI_SETSEL, lastStart, from);
    return replaced;
}

void EditorSearch::DoReplaceText(const SearchDialog& dialog, bool all)
{
    if (dialog.findText().isEmpty()) {
        beep_();
        return;
    }
    if (!all) {
        if (findFrom(dialog.findText(), dialog.matchCase(), dialog.wholeWord(), true))
            editor_.replace(dialog.replaceText());
        else
            beep_();
        return;
    }
    changeQuietly(editor_, [this, &dialog] {
        editor_.beginUndoAction();
        int replaced = 0;
        while (int pass = replacePass(dialog))
            replaced += pass;
        editor_.endUndoAction();
        return replaced > 0;
    });
    // The last pass found nothing: a Replace All always ends with a beep.
    beep_();
}

void EditorSearch::findBlock(const QString& text)
{
    findFrom(text, false, false, true);
}

}  // namespace tarnix
