#pragma once
// A drawing colour: red, green, blue from 0 to 1, as OpenGL takes them.

#include <array>

namespace tarnix {

using GLColor = std::array<float, 3>;

}  // namespace tarnix
