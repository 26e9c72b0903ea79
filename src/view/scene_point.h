#pragma once
// A point of the drawing in scene units. The path drawing carries its pen
// position in single floats, so the segment texts see the same values.

namespace tarnix {

struct ScenePoint {
    float x = 0;
    float y = 0;
    float z = 0;
};

}  // namespace tarnix
