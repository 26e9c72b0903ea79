#include "view/view_shift_state.h"

namespace tarnix {

TShiftState shiftStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    TShiftState state;
    auto add = [&state](bool held, ShiftKey key) {
        if (held)
            state = state.with(key);
    };
    add(modifiers.testFlag(Qt::ShiftModifier), ShiftKey::Shift);
    add(modifiers.testFlag(Qt::ControlModifier), ShiftKey::Ctrl);
    add(modifiers.testFlag(Qt::AltModifier), ShiftKey::Alt);
    add(buttons.testFlag(Qt::LeftButton), ShiftKey::Left);
    add(buttons.testFlag(Qt::RightButton), ShiftKey::Right);
    add(buttons.testFlag(Qt::MiddleButton), ShiftKey::Middle);
    return state;
}

}  // namespace tarnix
