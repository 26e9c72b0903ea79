#pragma once
// Dialogs and boxes asked for by a window that stays on top of others
// ("Merge List", "Make Array") would open behind it, partly hidden and
// without the keyboard.

class QDialog;

namespace tarnix {

// Runs `dialog` modally on top of other windows too, raised over its owner
// and with the keyboard; returns what exec() returns.
int execInFront(QDialog& dialog);

}  // namespace tarnix
