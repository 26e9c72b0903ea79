#pragma once
// Find, replace and the block searches on the editor's text. Nothing found
// beeps, except in the block searches.

#include <QString>

#include <functional>

class QsciScintilla;

namespace tarnix {

class SearchDialog;

class EditorSearch {
public:
    EditorSearch(QsciScintilla& editor, std::function<void()> beep);

    // One search with the dialog's options from the caret; a match is selected.
    void DoFindText(const SearchDialog& dialog);
    // The next match after the caret, replaced; or, with `all`, every match
    // from the caret on, pass after pass until a pass replaces nothing.
    void DoReplaceText(const SearchDialog& dialog, bool all);
    // "G1" or "G0" as a plain substring, forward from the caret.
    void findBlock(const QString& text);

private:
    bool findFrom(const QString& text, bool matchCase, bool wholeWord, bool forward);
    int replacePass(const SearchDialog& dialog);

    QsciScintilla& editor_;
    std::function<void()> beep_;
};

}  // namespace tarnix
