// The arc branch of the G-code interpreter: a G2 or G3 block is drawn as a
// chain of points on its circle in the current plane, joined by chords.

#include "common/number_text.h"
#include "interpretation/gcode_interpreter.h"

#include <cmath>
#include <numbers>

namespace tarnix {
namespace {

// How a plane maps X, Y, Z onto the circle's axes u, v and the third axis w.
struct PlaneAxes {
    int u, v, w;       // indices into (X, Y, Z)
    int clockwiseDir;  // the angle's sense for G2; G3 runs the other way
};

bool planeAxes(std::int32_t plane, PlaneAxes& axes)
{
    switch (plane) {
    case 17: axes = {0, 1, 2, -1}; return true;
    case 18: axes = {0, 2, 1, +1}; return true;
    case 19: axes = {1, 2, 0, -1}; return true;
    default: return false;
    }
}

double angleOf(double dv, double du)
{
    double angle = std::atan2(dv, du);
    return angle < 0 ? angle + 2 * std::numbers::pi : angle;
}

}  // namespace

void GCodeInterpreter::interpolateArc(Block& block, const GLColor& color)
{
    TInterpreterState& s = context_.state;
    TRunTotals& totals = context_.totals;
    const TInterpreterSettings& settings = context_.settings;
    const double k = block.k;

    const double start[3] = {block.startX, block.startY, block.startZ};
    const double end[3] = {s.gX, s.gY, s.gZ};
    const double words[3] = {s.gI, s.gJ, s.gK};
    double centre[3];
    bool centreIsIncremental = s.gDistMode != 90 || settings.cbIncMode;
    for (int axis = 0; axis < 3; ++axis)
        centre[axis] = centreIsIncremental ? start[axis] + words[axis] : words[axis];

    double arcLength = 0;
    PlaneAxes axes;
    if (planeAxes(s.gPlane, axes)) {
        const int u = axes.u, v = axes.v, w = axes.w;
        double a0 = angleOf(start[v] - centre[v], start[u] - centre[u]);
        double a1 = angleOf(end[v] - centre[v], end[u] - centre[u]);
        int dir = s.gMoveMode == 2 ? axes.clockwiseDir : -axes.clockwiseDir;
        double sweep = dir * (a1 - a0) * 180.0 / std::numbers::pi;
        if (sweep < 0)
            sweep += 360;
        // Only in the XY plane does an arc that ends where it starts make a full circle.
        if (s.gPlane == 17 && a1 == a0)
            sweep = 360;

        double radius = settings.cbIncMode ? std::hypot(words[u], words[v])
                                           : std::hypot(start[u] - centre[u], start[v] - centre[v]);

        // The counter advances by N and the angle by counter * N degrees, so
        // the points lie N * N degrees apart. An arc view mode of 0 would never
        // advance; it is taken as 1, the finest drawing.
        std::int32_t n = parseInt(settings.edFine);
        if (n == 0)
            n = 1;
        double previousU = start[u], previousV = start[v];
        const long double scale = 0.01L * k;
        for (std::int64_t counter = 0; counter < sweep / n; counter += n) {
            double theta = a0 + dir * static_cast<double>(counter) * n * std::numbers::pi / 180.0;
            double point[3];
            point[u] = centre[u] + radius * std::cos(theta);
            point[v] = centre[v] + radius * std::sin(theta);
            point[w] = end[w];
            context_.FPathPoints->Add(color, block.lineNo, scale * point[0], scale * point[1],
                                      scale * point[2], s.gFeed, false);
            double du = point[u] - previousU, dv = point[v] - previousV;
            arcLength += std::sqrt(k * k * du * du + k * k * dv * dv);
            previousU = point[u];
            previousV = point[v];
        }
    }

    if (s.gDistMode == 91)
        s.gI = s.gJ = s.gK = 0;
    totals.FLength += arcLength;
    double t = moveSeconds(arcLength, s.gFeed);
    totals.FTime += t;
    block.moveTime = t;
}

}  // namespace tarnix
