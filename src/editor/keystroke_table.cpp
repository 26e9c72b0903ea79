#include "editor/keystroke_table.h"

#include "editor/editor_commands.h"

namespace tarnix {
namespace {

enum VirtualKey : std::uint16_t {
    vkBack = 0x08,
    vkTab = 0x09,
    vkReturn = 0x0D,
    vkPrior = 0x21,
    vkNext = 0x22,
    vkEnd = 0x23,
    vkHome = 0x24,
    vkLeft = 0x25,
    vkUp = 0x26,
    vkRight = 0x27,
    vkDown = 0x28,
    vkInsert = 0x2D,
    vkDelete = 0x2E,
    vkF1 = 0x70,
};

}  // namespace

TSynEditKeyStrokes defaultKeystrokes()
{
    constexpr std::uint8_t none = 0, shift = ssShift, ctrl = ssCtrl, alt = ssAlt;
    TSynEditKeyStrokes table;
    auto add = [&table](std::uint16_t command, std::uint16_t key, std::uint8_t shiftState) {
        table.push_back({key, shiftState, 0, 0, command});
    };
    // Each caret movement alone, with Shift (selecting) and with Ctrl.
    struct Movement {
        std::uint16_t key, plain, withCtrl;
        bool ctrlSelects;
    };
    for (const Movement& m : {Movement{vkUp, ecUp, ecScrollUp, false}, Movement{vkDown, ecDown, ecScrollDown, false},
                              Movement{vkLeft, ecLeft, ecWordLeft, true}, Movement{vkRight, ecRight, ecWordRight, true},
                              Movement{vkNext, ecPageDown, ecPageBottom, true}, Movement{vkPrior, ecPageUp, ecPageTop, true},
                              Movement{vkHome, ecLineStart, ecEditorTop, true},
                              Movement{vkEnd, ecLineEnd, ecEditorBottom, true}}) {
        add(m.plain, m.key, none);
        add(m.plain + ecSelection, m.key, shift);
        add(m.withCtrl, m.key, ctrl);
        if (m.ctrlSelects)
            add(m.withCtrl + ecSelection, m.key, shift | ctrl);
    }
    add(ecToggleMode, vkInsert, none);
    add(ecCopy, vkInsert, ctrl);
    add(ecCut, vkDelete, shift);
    add(ecPaste, vkInsert, shift);
    add(ecDeleteChar, vkDelete, none);
    add(ecDeleteLastChar, vkBack, none);
    add(ecDeleteLastChar, vkBack, shift);
    add(ecDeleteLastWord, vkBack, ctrl);
    add(ecUndo, vkBack, alt);
    add(ecRedo, vkBack, alt | shift);
    add(ecLineBreak, vkReturn, none);
    add(ecLineBreak, vkReturn, shift);
    add(ecTab, vkTab, none);
    add(ecShiftTab, vkTab, shift);
    add(ecContextHelp, vkF1, ctrl);

    add(ecSelectAll, 'A', ctrl);
    add(ecCopy, 'C', ctrl);
    add(ecPaste, 'V', ctrl);
    add(ecCut, 'X', ctrl);
    add(ecBlockIndent, 'I', ctrl | shift);
    add(ecBlockUnindent, 'U', ctrl | shift);
    add(ecLineBreak, 'M', ctrl);
    add(ecInsertLine, 'N', ctrl);
    add(ecDeleteWord, 'T', ctrl);
    add(ecDeleteLine, 'Y', ctrl);
    add(ecDeleteEOL, 'Y', ctrl | shift);
    add(ecUndo, 'Z', ctrl);
    add(ecRedo, 'Z', ctrl | shift);
    for (int mark = 0; mark < kBookmarkCount; ++mark)
        add(ecGotoMarker0 + mark, '0' + mark, ctrl);
    for (int mark = 0; mark < kBookmarkCount; ++mark)
        add(ecSetMarker0 + mark, '0' + mark, ctrl | shift);
    add(ecNormalSelect, 'N', ctrl | shift);
    add(ecColumnSelect, 'C', ctrl | shift);
    add(ecLineSelect, 'L', ctrl | shift);
    add(ecMatchBracket, 'B', ctrl | shift);
    return table;
}

KeystrokeMatcher::Outcome KeystrokeMatcher::press(const TSynEditKeyStrokes& table, std::uint16_t key,
                                                  std::uint8_t shift)
{
    if (pending_) {
        const auto [firstKey, firstShift] = *pending_;
        pending_.reset();
        for (const TSynEditKeyStroke& record : table)
            if (record.Key2 != 0 && record.Key == firstKey && record.Shift == firstShift && record.Key2 == key &&
                record.Shift2 == shift)
                return {Outcome::Command, record.Command};
    }
    for (const TSynEditKeyStroke& record : table) {
        if (record.Key != key || record.Shift != shift)
            continue;
        if (record.Key2 == 0)
            return {Outcome::Command, record.Command};
        pending_.emplace(key, shift);
        return {Outcome::SequenceStarted, 0};
    }
    return {};
}

}  // namespace tarnix
