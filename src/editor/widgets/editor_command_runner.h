#pragma once
// Runs the keystroke table's commands on the editor widget: caret
// movements (by character, word, line, page, to the page's or the text's
// ends, with or without selecting), scrolling, the clipboard, deleting,
// undo and redo, line breaks, indenting, bookmarks, the selection modes,
// the matching bracket and context help.

#include "editor/editor_commands.h"

#include <functional>

class QsciScintilla;

namespace tarnix {

class EditorBookmarks;

class EditorCommandRunner {
public:
    EditorCommandRunner(QsciScintilla& editor, EditorBookmarks& bookmarks, std::function<void()> contextHelp);

    // False for a number that is not one of the editor's commands.
    bool run(std::uint16_t command);

private:
    enum class SelectionMode { Normal, Column, Line };

    bool move(std::uint16_t command);
    void moveToPageEdge(bool bottom, bool select);
    void shapeLineSelection();
    void matchBracket();
    void insertLine();
    void indentBlock(bool indent);
    void send(int message);

    QsciScintilla& editor_;
    EditorBookmarks& bookmarks_;
    std::function<void()> contextHelp_;
    SelectionMode selectionMode_ = SelectionMode::Normal;
};

}  // namespace tarnix
