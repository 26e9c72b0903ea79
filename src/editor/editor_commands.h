#pragma once
// The editor's command numbers, as the keystroke table and "key.ini" hold
// them: those of the editor component the table comes from, so that a
// "key.ini" written by it means the same here.

#include <cstdint>
#include <string>
#include <vector>

namespace tarnix {

enum TSynEditorCommand : std::uint16_t {
    ecLeft = 1,
    ecRight = 2,
    ecUp = 3,
    ecDown = 4,
    ecWordLeft = 5,
    ecWordRight = 6,
    ecLineStart = 7,
    ecLineEnd = 8,
    ecPageUp = 9,
    ecPageDown = 10,
    ecPageTop = 13,
    ecPageBottom = 14,
    ecEditorTop = 15,
    ecEditorBottom = 16,
    // A movement + ecSelection moves the caret and extends the selection.
    ecSelection = 100,
    ecSelLeft = ecLeft + ecSelection,
    ecSelRight = ecRight + ecSelection,
    ecSelUp = ecUp + ecSelection,
    ecSelDown = ecDown + ecSelection,
    ecSelWordLeft = ecWordLeft + ecSelection,
    ecSelWordRight = ecWordRight + ecSelection,
    ecSelLineStart = ecLineStart + ecSelection,
    ecSelLineEnd = ecLineEnd + ecSelection,
    ecSelPageUp = ecPageUp + ecSelection,
    ecSelPageDown = ecPageDown + ecSelection,
    ecSelPageTop = ecPageTop + ecSelection,
    ecSelPageBottom = ecPageBottom + ecSelection,
    ecSelEditorTop = ecEditorTop + ecSelection,
    ecSelEditorBottom = ecEditorBottom + ecSelection,
    ecSelectAll = 199,
    ecCopy = 201,
    ecScrollUp = 211,
    ecScrollDown = 212,
    ecToggleMode = 223,
    ecNormalSelect = 231,
    ecColumnSelect = 232,
    ecLineSelect = 233,
    ecMatchBracket = 250,
    ecGotoMarker0 = 301,  // to ecGotoMarker9 = 310
    ecSetMarker0 = 351,   // to ecSetMarker9 = 360
    ecContextHelp = 490,
    ecDeleteLastChar = 501,
    ecDeleteChar = 502,
    ecDeleteWord = 503,
    ecDeleteLastWord = 504,
    ecDeleteEOL = 506,
    ecDeleteLine = 507,
    ecLineBreak = 509,
    ecInsertLine = 510,
    ecUndo = 601,
    ecRedo = 602,
    ecCut = 603,
    ecPaste = 604,
    ecBlockIndent = 610,
    ecBlockUnindent = 611,
    ecTab = 612,
    ecShiftTab = 613,
};

// The editor keeps ten bookmarks, 0 to 9.
constexpr int kBookmarkCount = 10;

// Every command a key can run here, in the order the keystroke editor lists them.
const std::vector<std::uint16_t>& editorCommands();
// "Select Page Up", "Goto Bookmark 3"; a number the editor does not know
// gives "Unknown command" and the number.
std::string editorCommandName(std::uint16_t command);

}  // namespace tarnix
