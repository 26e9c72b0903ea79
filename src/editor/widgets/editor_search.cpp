#include "editor/widgets/editor_search.h"

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
    int replaced = 0;
    for (bool found = findFrom(dialog.findText(), dialog.matchCase(), dialog.wholeWord(), true); found;
         found = editor_.findNext()) {
        editor_.replace(dialog.replaceText());
        ++replaced;
    }
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
    editor_.beginUndoAction();
    while (replacePass(dialog) > 0) {
    }
    editor_.endUndoAction();
    // The last pass found nothing: a Replace All always ends with a beep.
    beep_();
}

void EditorSearch::findBlock(const QString& text)
{
    findFrom(text, false, false, true);
}

}  // namespace tarnix
