// The keystroke table the editor starts with: the editor component's
// default table, context help moved from F1 to Ctrl+F1.

#include "editor/editor_commands.h"
#include "editor/key_ini_file.h"
#include "editor/keystroke_table.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tarnix;

namespace {

constexpr std::uint8_t kCtrlShift = ssCtrl | ssShift;

std::uint16_t commandFor(std::uint16_t key, std::uint8_t shift)
{
    KeystrokeMatcher matcher;
    KeystrokeMatcher::Outcome outcome = matcher.press(defaultKeystrokes(), key, shift);
    return outcome.kind == KeystrokeMatcher::Outcome::Command ? outcome.command : 0;
}

TEST(DefaultKeystrokes, KeysRunTheComponentsCommands)
{
    struct Case {
        const char* keys;
        std::uint16_t key;
        std::uint8_t shift;
        std::uint16_t command;  // 0: no command
    } cases[] = {
        {"Up", 0x26, 0, ecUp},
        {"Shift+Up", 0x26, ssShift, ecSelUp},
        {"Ctrl+Up", 0x26, ssCtrl, ecScrollUp},
        {"Ctrl+Shift+Up", 0x26, kCtrlShift, 0},
        {"Ctrl+Down", 0x28, ssCtrl, ecScrollDown},
        {"Ctrl+Shift+Left", 0x25, kCtrlShift, ecSelWordLeft},
        {"Ctrl+Right", 0x27, ssCtrl, ecWordRight},
        {"Ctrl+PgDn", 0x22, ssCtrl, ecPageBottom},
        {"Ctrl+Shift+PgUp", 0x21, kCtrlShift, ecSelPageTop},
        {"Ctrl+Shift+Home", 0x24, kCtrlShift, ecSelEditorTop},
        {"End", 0x23, 0, ecLineEnd},
        {"Insert", 0x2D, 0, ecToggleMode},
        {"Ctrl+Insert", 0x2D, ssCtrl, ecCopy},
        {"Shift+Insert", 0x2D, ssShift, ecPaste},
        {"Shift+Delete", 0x2E, ssShift, ecCut},
        {"Shift+Backspace", 0x08, ssShift, ecDeleteLastChar},
        {"Alt+Backspace", 0x08, ssAlt, ecUndo},
        {"Alt+Shift+Backspace", 0x08, ssAlt | ssShift, ecRedo},
        {"Shift+Enter", 0x0D, ssShift, ecLineBreak},
        {"Shift+Tab", 0x09, ssShift, ecShiftTab},
        {"F1", 0x70, 0, 0},
        {"Ctrl+F1", 0x70, ssCtrl, ecContextHelp},
        {"Ctrl+A", 'A', ssCtrl, ecSelectAll},
        {"Ctrl+M", 'M', ssCtrl, ecLineBreak},
        {"Ctrl+N", 'N', ssCtrl, ecInsertLine},
        {"Ctrl+T", 'T', ssCtrl, ecDeleteWord},
        {"Ctrl+Shift+Y", 'Y', kCtrlShift, ecDeleteEOL},
        {"Ctrl+Shift+I", 'I', kCtrlShift, ecBlockIndent},
        {"Ctrl+Shift+U", 'U', kCtrlShift, ecBlockUnindent},
        {"Ctrl+Shift+Z", 'Z', kCtrlShift, ecRedo},
        {"Ctrl+0", '0', ssCtrl, ecGotoMarker0},
        {"Ctrl+3", '3', ssCtrl, ecGotoMarker0 + 3},
        {"Ctrl+9", '9', ssCtrl, ecGotoMarker0 + 9},
        {"Ctrl+Shift+0", '0', kCtrlShift, ecSetMarker0},
        {"Ctrl+Shift+3", '3', kCtrlShift, ecSetMarker0 + 3},
        {"Ctrl+Shift+9", '9', kCtrlShift, ecSetMarker0 + 9},
        {"Ctrl+Shift+N", 'N', kCtrlShift, ecNormalSelect},
        {"Ctrl+Shift+C", 'C', kCtrlShift, ecColumnSelect},
        {"Ctrl+Shift+L", 'L', kCtrlShift, ecLineSelect},
        {"Ctrl+Shift+B", 'B', kCtrlShift, ecMatchBracket},
        {"A", 'A', 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commandFor(c.key, c.shift), c.command) << c.keys;
}

TEST(DefaultKeystrokes, EveryRecordIsReachableAndNamed)
{
    const TSynEditKeyStrokes table = defaultKeystrokes();
    EXPECT_EQ(table.size(), 82u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const TSynEditKeyStroke& record = table[i];
        EXPECT_EQ(record.Key2, 0) << i;
        // A record behind an earlier one with the same keys would never run.
        EXPECT_EQ(commandFor(record.Key, record.Shift), record.Command) << i;
        const auto& known = editorCommands();
        EXPECT_NE(std::find(known.begin(), known.end(), record.Command), known.end()) << i;
    }
}

TEST(DefaultKeystrokes, KeepTheComponentsOrderInKeyIni)
{
    // The first records of "key.ini": Up (ecUp 3), Shift+Up (ecSelUp 103).
    const std::string bytes = encodeKeyIni(defaultKeystrokes());
    ASSERT_EQ(bytes.size(), 4u + 8u * 82u);
    EXPECT_EQ(bytes.substr(0, 20), std::string("\x52\0\0\0\x26\0\0\0\0\0\x03\0\x26\0\x01\0\0\0\x67\0", 20));
}

TEST(EditorCommands, NamesReadAsTheCommandDoes)
{
    EXPECT_EQ(editorCommandName(ecSelPageTop), "Select Page Top");
    EXPECT_EQ(editorCommandName(ecSetMarker0 + 3), "Set Bookmark 3");
    EXPECT_EQ(editorCommandName(ecGotoMarker0 + 9), "Goto Bookmark 9");
    EXPECT_EQ(editorCommandName(2300), "Unknown command 2300");
}

}  // namespace
