#include "view/path_point_under_pixel.h"

#include "view/scene_point.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarnix {
namespace {

// A one-pixel line lights pixels whose centres lie within about a pixel.
constexpr double kPixelReach = 1.0;
// A few steps of the depth buffer.
constexpr double kDepthReachSteps = 8;

using Vec4 = std::array<double, 4>;

Vec4 transform(const double* m, const Vec4& v)
{
    Vec4 out{};
    for (int row = 0; row < 4; ++row)
        for (int k = 0; k < 4; ++k)
            out[row] += m[k * 4 + row] * v[k];
    return out;
}

struct Window {
    double x, y, depth, w;
    bool inFront() const { return w > 0; }
};

Window toWindow(const PixelProbe& probe, double x, double y, double z)
{
    const Vec4 clip = transform(probe.projection, transform(probe.modelView, {x, y, z, 1}));
    if (clip[3] <= 0)
        return {0, 0, 0, clip[3]};
    const int* v = probe.viewport;
    return {v[0] + v[2] * (clip[0] / clip[3] + 1) / 2, v[1] + v[3] * (clip[1] / clip[3] + 1) / 2,
            (clip[2] / clip[3] + 1) / 2, clip[3]};
}

}  // namespace

std::optional<ScenePosition> pathPointUnderPixel(const PickPath& path, const std::vector<PickEntry>& near,
                                                 const PixelProbe& probe)
{
    // Depth as the buffer holds it, in whole steps.
    const double steps = std::ldexp(1.0, probe.depthBits) - 1;
    const double readStep = std::round(probe.depth * steps);
    std::optional<ScenePosition> best;
    double bestGap = kDepthReachSteps;
    for (const PickEntry& entry : near) {
        if (!entry.segment)
            continue;
        const float* from = path.pen(entry.index);
        const float* to = path.position(entry.index);
        const ScenePoint start{from[0], from[1], from[2]}, end{to[0], to[1], to[2]};
        const Window a = toWindow(probe, start.x, start.y, start.z), b = toWindow(probe, end.x, end.y, end.z);
        if (!a.inFront() || !b.inFront())
            continue;
        // The point of the segment's image nearest the pixel centre.
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double length2 = dx * dx + dy * dy;
        const double cx = probe.wx + 0.5, cy = probe.wy + 0.5;
        const double s = length2 > 0 ? std::clamp(((cx - a.x) * dx + (cy - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
        if (std::hypot(a.x + s * dx - cx, a.y + s * dy - cy) > kPixelReach)
            continue;
        // Back in the scene: screen position is not linear along a segment
        // in perspective, so find the segment parameter from the window one.
        const double t = s * a.w / ((1 - s) * b.w + s * a.w);
        const ScenePosition at{start.x + t * (end.x - start.x), start.y + t * (end.y - start.y),
                               start.z + t * (end.z - start.z)};
        const double gap = std::fabs(std::round(toWindow(probe, at.x, at.y, at.z).depth * steps) - readStep);
        if (gap < bestGap || (gap == bestGap && !best)) {
            bestGap = gap;
            best = at;
        }
    }
    return best;
}

}  // namespace tarnix
