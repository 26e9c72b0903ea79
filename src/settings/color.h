#pragma once
// Stored colours and the drawing colours made from them.

#include "common/gl_color.h"

#include <cstdint>
#include <functional>

namespace tarnix {

// Low three bytes red (lowest), green, blue; negative values name system
// colours, whose red-green-blue value only the window's palette knows.
using TColor = std::int32_t;

// Gives the current red-green-blue value of a system colour.
using SystemColorResolver = std::function<TColor(TColor systemColor)>;

// Stands in until the window supplies its palette: every system colour is black.
TColor resolveSystemColorToBlack(TColor systemColor);

GLColor colorToGL(TColor color, const SystemColorResolver& resolveSystemColor);

}  // namespace tarnix
