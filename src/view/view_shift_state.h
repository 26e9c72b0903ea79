#pragma once
// The mouse buttons held and the modifier keys down, as one set. The view's
// handlers choose what a drag does by comparing whole sets: {Left} is not
// {Shift, Left}.

#include <Qt>

#include <initializer_list>

namespace tarnix {

enum class ShiftKey : unsigned { Shift = 1, Ctrl = 2, Alt = 4, Left = 8, Right = 16, Middle = 32 };

class TShiftState {
public:
    TShiftState() = default;
    TShiftState(std::initializer_list<ShiftKey> keys)
    {
        for (ShiftKey key : keys)
            bits_ |= static_cast<unsigned>(key);
    }

    bool has(ShiftKey key) const { return (bits_ & static_cast<unsigned>(key)) != 0; }
    TShiftState with(ShiftKey key) const
    {
        TShiftState more = *this;
        more.bits_ |= static_cast<unsigned>(key);
        return more;
    }
    bool operator==(const TShiftState&) const = default;

private:
    unsigned bits_ = 0;
};

// The one place where Qt's buttons and modifiers become a shift state. The
// Meta key has no counterpart and is left out.
TShiftState shiftStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

}  // namespace tarnix
