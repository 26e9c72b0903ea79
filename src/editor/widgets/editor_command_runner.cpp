#include "editor/widgets/editor_command_runner.h"

#include "editor/widgets/editor_bookmarks.h"
#include "editor/widgets/quiet_change.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <utility>

namespace tarnix {
namespace {

using Sci = QsciScintillaBase;

// A caret movement as the editor widget's messages: alone, extending the
// selection, and extending a column selection (0: the widget has none).
struct Movement {
    std::uint16_t command;
    int plain, extend, column;
};

constexpr Movement kMovements[] = {
    {ecLeft, Sci::SCI_CHARLEFT, Sci::SCI_CHARLEFTEXTEND, Sci::SCI_CHARLEFTRECTEXTEND},
    {ecRight, Sci::SCI_CHARRIGHT, Sci::SCI_CHARRIGHTEXTEND, Sci::SCI_CHARRIGHTRECTEXTEND},
    {ecUp, Sci::SCI_LINEUP, Sci::SCI_LINEUPEXTEND, Sci::SCI_LINEUPRECTEXTEND},
    {ecDown, Sci::SCI_LINEDOWN, Sci::SCI_LINEDOWNEXTEND, Sci::SCI_LINEDOWNRECTEXTEND},
    {ecWordLeft, Sci::SCI_WORDLEFT, Sci::SCI_WORDLEFTEXTEND, 0},
    {ecWordRight, Sci::SCI_WORDRIGHT, Sci::SCI_WORDRIGHTEXTEND, 0},
    {ecLineStart, Sci::SCI_HOME, Sci::SCI_HOMEEXTEND, Sci::SCI_HOMERECTEXTEND},
    {ecLineEnd, Sci::SCI_LINEEND, Sci::SCI_LINEENDEXTEND, Sci::SCI_LINEENDRECTEXTEND},
    {ecPageUp, Sci::SCI_PAGEUP, Sci::SCI_PAGEUPEXTEND, Sci::SCI_PAGEUPRECTEXTEND},
    {ecPageDown, Sci::SCI_PAGEDOWN, Sci::SCI_PAGEDOWNEXTEND, Sci::SCI_PAGEDOWNRECTEXTEND},
    {ecEditorTop, Sci::SCI_DOCUMENTSTART, Sci::SCI_DOCUMENTSTARTEXTEND, 0},
    {ecEditorBottom, Sci::SCI_DOCUMENTEND, Sci::SCI_DOCUMENTENDEXTEND, 0},
};

// Commands that are one message of the editor widget.
constexpr std::pair<std::uint16_t, int> kMessages[] = {
    {ecSelectAll, Sci::SCI_SELECTALL},
    {ecCopy, Sci::SCI_COPY},
    {ecCut, Sci::SCI_CUT},
    {ecPaste, Sci::SCI_PASTE},
    {ecScrollUp, Sci::SCI_LINESCROLLUP},
    {ecScrollDown, Sci::SCI_LINESCROLLDOWN},
    {ecToggleMode, Sci::SCI_EDITTOGGLEOVERTYPE},
    {ecDeleteLastChar, Sci::SCI_DELETEBACK},
    {ecDeleteChar, Sci::SCI_CLEAR},
    {ecDeleteWord, Sci::SCI_DELWORDRIGHT},
    {ecDeleteLastWord, Sci::SCI_DELWORDLEFT},
    {ecDeleteEOL, Sci::SCI_DELLINERIGHT},
    {ecDeleteLine, Sci::SCI_LINEDELETE},
    {ecLineBreak, Sci::SCI_NEWLINE},
    {ecTab, Sci::SCI_TAB},
    {ecShiftTab, Sci::SCI_BACKTAB},
};

// Block indent and unindent work by this many blanks.
constexpr int kBlockIndent = 2;

}  // namespace

EditorCommandRunner::EditorCommandRunner(QsciScintilla& editor, EditorBookmarks& bookmarks,
                                         std::function<void()> contextHelp)
    : editor_(editor), bookmarks_(bookmarks), contextHelp_(std::move(contextHelp))
{
}

void EditorCommandRunner::send(int message)
{
    editor_.SendScintilla(static_cast<unsigned int>(message));
}

bool EditorCommandRunner::run(std::uint16_t command)
{
    for (const auto& [number, message] : kMessages)
        if (number == command) {
            send(message);
            return true;
        }
    if (command >= ecGotoMarker0 && command < ecGotoMarker0 + kBookmarkCount) {
        bookmarks_.gotoBookmarkKey(command - ecGotoMarker0);
        return true;
    }
    if (command >= ecSetMarker0 && command < ecSetMarker0 + kBookmarkCount) {
        bookmarks_.toggleBookmarkKey(command - ecSetMarker0);
        return true;
    }
    switch (command) {
    case ecNormalSelect: selectionMode_ = SelectionMode::Normal; return true;
    case ecColumnSelect: selectionMode_ = SelectionMode::Column; return true;
    case ecLineSelect: selectionMode_ = SelectionMode::Line; return true;
    case ecMatchBracket: matchBracket(); return true;
    case ecContextHelp: contextHelp_(); return true;
    case ecUndo: undoQuietly(editor_); return true;
    case ecRedo: redoQuietly(editor_); return true;
    case ecInsertLine: insertLine(); return true;
    case ecBlockIndent: indentBlock(true); return true;
    case ecBlockUnindent: indentBlock(false); return true;
    default: return move(command);
    }
}

bool EditorCommandRunner::move(std::uint16_t command)
{
    const bool select = command > ecSelection && command < ecSelection + ecSelection;
    const std::uint16_t movement = select ? command - ecSelection : command;
    if (movement == ecPageTop || movement == ecPageBottom) {
        moveToPageEdge(movement == ecPageBottom, select);
    } else {
        auto found = std::find_if(std::begin(kMovements), std::end(kMovements),
                                  [movement](const Movement& m) { return m.command == movement; });
        if (found == std::end(kMovements))
            return false;
        if (!select)
            send(found->plain);
        else
            send(selectionMode_ == SelectionMode::Column && found->column ? found->column : found->extend);
    }
    if (select && selectionMode_ == SelectionMode::Line)
        shapeLineSelection();
    return true;
}

void EditorCommandRunner::moveToPageEdge(bool bottom, bool select)
{
    const long first = editor_.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
    const long onScreen = editor_.SendScintilla(Sci::SCI_LINESONSCREEN);
    const long line = bottom ? std::min<long>(first + onScreen - 1, editor_.lines() - 1) : first;
    const long caret = editor_.SendScintilla(Sci::SCI_GETCURRENTPOS);
    const long column = editor_.SendScintilla(Sci::SCI_GETCOLUMN, caret);
    const long target = editor_.SendScintilla(Sci::SCI_FINDCOLUMN, line, column);
    // Setting the caret alone keeps the anchor: the selection follows.
    editor_.SendScintilla(select ? Sci::SCI_SETCURRENTPOS : Sci::SCI_GOTOPOS, target);
    editor_.SendScintilla(Sci::SCI_CHOOSECARETX);
}

void EditorCommandRunner::shapeLineSelection()
{
    const long anchor = editor_.SendScintilla(Sci::SCI_GETANCHOR);
    const long caret = editor_.SendScintilla(Sci::SCI_GETCURRENTPOS);
    const long anchorLine = editor_.SendScintilla(Sci::SCI_LINEFROMPOSITION, anchor);
    const long caretLine = editor_.SendScintilla(Sci::SCI_LINEFROMPOSITION, caret);
    auto lineStart = [this](long line) { return editor_.SendScintilla(Sci::SCI_POSITIONFROMLINE, line); };
    auto lineEnd = [this](long line) { return editor_.SendScintilla(Sci::SCI_GETLINEENDPOSITION, line); };
    if (caret >= anchor)
        editor_.SendScintilla(Sci::SCI_SETSEL, lineStart(anchorLine), lineEnd(caretLine));
    else
        editor_.SendScintilla(Sci::SCI_SETSEL, lineEnd(anchorLine), lineStart(caretLine));
}

void EditorCommandRunner::matchBracket()
{
    // The caret goes in front of the bracket that matches the one after it.
    const long caret = editor_.SendScintilla(Sci::SCI_GETCURRENTPOS);
    const long match = editor_.SendScintilla(Sci::SCI_BRACEMATCH, caret, 0L);
    if (match >= 0)
        editor_.SendScintilla(Sci::SCI_GOTOPOS, match);
}

void EditorCommandRunner::insertLine()
{
    const long at = editor_.SendScintilla(Sci::SCI_GETSELECTIONSTART);
    send(Sci::SCI_NEWLINE);
    editor_.SendScintilla(Sci::SCI_GOTOPOS, at);
}

void EditorCommandRunner::indentBlock(bool indent)
{
    const long start = editor_.SendScintilla(Sci::SCI_GETSELECTIONSTART);
    const long end = editor_.SendScintilla(Sci::SCI_GETSELECTIONEND);
    const long first = editor_.SendScintilla(Sci::SCI_LINEFROMPOSITION, start);
    long last = editor_.SendScintilla(Sci::SCI_LINEFROMPOSITION, end);
    // A selection that ends at the start of a line leaves that line alone.
    if (end > start && end == editor_.SendScintilla(Sci::SCI_POSITIONFROMLINE, last))
        --last;
    editor_.beginUndoAction();
    for (long line = first; line <= last; ++line) {
        const long lineStart = editor_.SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
        if (indent) {
            editor_.SendScintilla(Sci::SCI_INSERTTEXT, lineStart, QByteArray(kBlockIndent, ' ').constData());
            continue;
        }
        long blanks = 0;
        while (blanks < kBlockIndent) {
            const long c = editor_.SendScintilla(Sci::SCI_GETCHARAT, lineStart + blanks);
            if (c != ' ' && c != '\t')
                break;
            ++blanks;
        }
        editor_.SendScintilla(Sci::SCI_DELETERANGE, lineStart, blanks);
    }
    editor_.endUndoAction();
}

}  // namespace tarnix
