#pragma once
// The path point under a pixel, from the path itself. Far from the camera
// the depth buffer holds too few steps to tell a move's z (from straight
// above, one step spans tens of program units), so the depth read decides
// only what is in front; the coordinates come from the segment.

#include "view/distance_measure.h"
#include "view/pick_path.h"

#include <optional>
#include <vector>

namespace tarnix {

struct PixelProbe {
    const double* modelView;   // 16, column-major as GL returns them
    const double* projection;  // 16
    const int* viewport;       // 4
    double wx, wy;             // window pixel, y up
    double depth;              // read from the depth buffer there
    int depthBits = 24;        // of the depth buffer
};

// The point of the drawn segment through the pixel whose depth matches the
// depth read there, or nothing when no segment does (the tripod, the box).
// Depths are compared in the buffer's own steps: of segments in the same
// step the depth test kept the first drawn, so that one is taken.
// Only the segments of `near` are looked at: the pick path's choice of those
// that can meet the pixel.
std::optional<ScenePosition> pathPointUnderPixel(const PickPath& path, const std::vector<PickEntry>& near,
                                                 const PixelProbe& probe);

}  // namespace tarnix
