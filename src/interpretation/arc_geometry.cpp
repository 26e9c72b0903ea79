#include "interpretation/arc_geometry.h"

#include <cmath>
#include <numbers>

namespace tarnix {
namespace {

double angleOf(double dv, double du)
{
    double angle = std::atan2(dv, du);
    return angle < 0 ? angle + 2 * std::numbers::pi : angle;
}

}  // namespace

bool arcGeometry(const ArcInput& in, ArcGeometry& arc)
{
    int clockwiseDir;  // the angle's sense for G2; G3 runs the other way
    switch (in.plane) {
    case 17: arc.u = 0; arc.v = 1; arc.w = 2; clockwiseDir = -1; break;
    case 18: arc.u = 0; arc.v = 2; arc.w = 1; clockwiseDir = +1; break;
    case 19: arc.u = 1; arc.v = 2; arc.w = 0; clockwiseDir = -1; break;
    default: return false;
    }
    for (int axis = 0; axis < 3; ++axis)
        arc.centre[axis] = in.centreIsIncremental ? in.start[axis] + in.words[axis] : in.words[axis];
    const int u = arc.u, v = arc.v;
    const auto& c = arc.centre;
    double a0 = angleOf(in.start[v] - c[v], in.start[u] - c[u]);
    double a1 = angleOf(in.end[v] - c[v], in.end[u] - c[u]);
    arc.dir = in.moveMode == 2 ? clockwiseDir : -clockwiseDir;
    arc.sweep = arc.dir * (a1 - a0) * 180.0 / std::numbers::pi;
    if (arc.sweep < 0)
        arc.sweep += 360;
    arc.closed = a1 == a0;
    // Only in the XY plane does an arc that ends where it starts make a full circle.
    if (in.plane == 17 && arc.closed)
        arc.sweep = 360;
    arc.startAngle = a0;
    arc.radius = in.radiusFromWords ? std::hypot(in.words[u], in.words[v])
                                    : std::hypot(in.start[u] - c[u], in.start[v] - c[v]);
    return true;
}

std::int64_t arcPointCount(double sweep, std::int32_t n)
{
    std::int64_t count = 0;
    for (std::int64_t counter = 0; counter < sweep / n; counter += n)
        ++count;
    return count;
}

}  // namespace tarnix
