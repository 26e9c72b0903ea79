#pragma once
// Stored colours and the drawing colours made from them.

#include <array>
#include <cstdint>
#include <functional>

namespace tarnix {

// Low three bytes red (lowest), green, blue; negative values name system
// colours, whose red-green-blue value only the window's palette knows.
using TColor = std::int32_t;

// Red, green, blue from 0 to 1, as OpenGL takes them.
using GLColor = std::array<float, 3>;

// Gives the current red-green-blue value of a system colour.
using SystemColorResolver = std::function<TColor(TColor systemColor)>;

// Stands in until the window supplies its palette: every system colour is black.
TColor resolveSystemColorToBlack(TColor systemColor);

GLColor colorToGL(TColor color, const SystemColorResolver& resolveSystemColor);

}  // namespace tarnix
