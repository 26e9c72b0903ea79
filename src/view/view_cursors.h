#pragma once
// The view's own mouse cursors "HandGrab", "Zoom" and "Rotate", drawn once
// on first use; Default is the arrow.

#include "view/view_mouse.h"

#include <QCursor>

namespace tarnix {

QCursor viewCursor(ViewCursor cursor);

}  // namespace tarnix
