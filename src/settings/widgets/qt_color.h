#pragma once
// Stored colours on Qt widgets.

#include "settings/color.h"

#include <QColor>

namespace tarnix {

// Red from the lowest byte, then green, then blue. A system colour (negative)
// must be resolved by the caller first: only the window's palette knows it.
QColor toQColor(TColor color);

}  // namespace tarnix
