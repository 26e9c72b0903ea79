#pragma once
// System colours (negative stored colours: the high bit set, the low byte a
// Windows system colour index) resolved from the desktop's palette.

#include "settings/color.h"

class QPalette;

namespace tarnix {

// The colour's red-green-blue value from `palette`; a colour that is no
// system colour is returned as it is, an unknown index gives black.
TColor resolveSystemColor(TColor color, const QPalette& palette);

// The same from the application's current palette.
TColor resolveSystemColor(TColor color);

}  // namespace tarnix
