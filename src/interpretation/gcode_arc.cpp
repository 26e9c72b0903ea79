// The arc branch of the G-code interpreter: a G2 or G3 block is drawn as a
// chain of points on its circle in the current plane, joined by chords.

#include "common/number_text.h"
#include "interpretation/arc_geometry.h"
#include "interpretation/gcode_interpreter.h"

#include <cmath>
#include <numbers>

namespace tarnix {

void GCodeInterpreter::interpolateArc(Block& block, const GLColor& color)
{
    TInterpreterState& s = context_.state;
    TRunTotals& totals = context_.totals;
    const TInterpreterSettings& settings = context_.settings;
    const double k = block.k;

    ArcInput in;
    in.start = {block.startX, block.startY, block.startZ};
    in.end = {s.gX, s.gY, s.gZ};
    in.words = {s.gI, s.gJ, s.gK};
    in.plane = s.gPlane;
    in.moveMode = s.gMoveMode;
    in.centreIsIncremental = s.gDistMode != 90 || settings.cbIncMode;
    in.radiusFromWords = settings.cbIncMode;
    converted_.centreWords = in.words;

    double arcLength = 0;
    ArcGeometry arc;
    if (arcGeometry(in, arc)) {
        const int u = arc.u, v = arc.v, w = arc.w;
        converted_.arcClosed = arc.closed;
        // The counter advances by N and the angle by counter * N degrees, so
        // the points lie N * N degrees apart. An arc view mode of 0 would never
        // advance; it is taken as 1, the finest drawing.
        std::int32_t n = arcViewMode_.valueOf(settings.edFine);
        if (n == 0)
            n = 1;
        double previousU = in.start[u], previousV = in.start[v];
        const long double scale = 0.01L * k;
        const bool converting = isConverting();
        // What stays the same along the arc is taken once, in locals the
        // point list's stores cannot be thought to change.
        const double last = arc.sweep / n;
        const double startAngle = arc.startAngle, radius = arc.radius;
        const double centreU = arc.centre[u], centreV = arc.centre[v];
        const int dir = arc.dir;
        TD3FloatPointList& points = *context_.FPathPoints;
        std::array<double, 3> point;
        point[w] = in.end[w];
        std::array<long double, 3> scaled;
        scaled[w] = scale * point[w];
        for (std::int64_t counter = 0; counter < last; counter += n) {
            double theta = startAngle + dir * static_cast<double>(counter) * n * std::numbers::pi / 180.0;
            point[u] = centreU + radius * std::cos(theta);
            point[v] = centreV + radius * std::sin(theta);
            scaled[u] = scale * point[u];
            scaled[v] = scale * point[v];
            if (counter == 0)
                points.Add(color, block.lineNo, scaled[0], scaled[1], scaled[2], s.gFeed, false);
            else
                points.AddPosition(scaled[0], scaled[1], scaled[2]);
            if (converting)
                converted_.arcPoints.push_back(point);
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
