#pragma once
// Hands a file to the desktop's opener without waiting for the application
// it starts. Qt's own opener reports success once "xdg-open" has started,
// also when it then finds no application; this one hears its verdict.

#include <QString>

#include <functional>

class QObject;

namespace tarnix {

// Opens `file` with "xdg-open" and returns at once. `notOpened` is called
// later, from the event loop, when the opener cannot be started or gives
// up (a non-zero exit: no application takes the file). The opener waits
// for `owner`'s end at most; the application it started is left running.
void openFileOnDesktop(const QString& file, QObject* owner, std::function<void()> notOpened);

}  // namespace tarnix
