#pragma once
// The circle of a G2 or G3 block: centre, radius, start angle, sense and
// sweep in its plane, as the interpreter draws it. The converter asks the
// same question of the arc it writes, to know a reader will draw it alike.

#include <array>
#include <cstdint>

namespace tarnix {

struct ArcGeometry {
    int u = 0, v = 1, w = 2;  // the plane's axes and the third axis (0 X, 1 Y, 2 Z)
    std::array<double, 3> centre{};
    double radius = 0;
    double startAngle = 0;  // radians
    int dir = 1;            // the sense in which the angle advances
    double sweep = 0;       // degrees, 0 to 360
    bool closed = false;    // end angle equals start angle
};

struct ArcInput {
    std::array<double, 3> start, end, words;  // words: the I, J, K values
    std::int32_t plane = 17;
    std::int32_t moveMode = 2;
    bool centreIsIncremental = false;  // G91 or "Always incremental ARC center"
    bool radiusFromWords = false;      // "Always incremental ARC center"
};

// False for a plane code other than 17, 18, 19 (no circle is drawn).
bool arcGeometry(const ArcInput& in, ArcGeometry& arc);

// How many intermediate points the interpreter draws for `sweep` degrees
// with the arc view mode `n` (the counter runs 0, n, 2n, ... below sweep / n).
std::int64_t arcPointCount(double sweep, std::int32_t n);

}  // namespace tarnix
