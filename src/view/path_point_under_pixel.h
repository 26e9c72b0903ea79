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
};

// The point of the drawn segment through the pixel whose depth matches the
// depth read there, or nothing when no segment does (the tripod, the box).
// Only the segments of `near` are looked at: the pick path's choice of those
// that can meet the pixel.
std::optional<ScenePosition> pathPointUnderPixel(const PickPath& path, const std::vector<PickEntry>& near,
                                                 const PixelProbe& probe);

}  // namespace tarnix
