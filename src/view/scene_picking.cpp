// Picking: the selection pass of the scene, given only the pieces of the
// path that can meet the pick square.

#include "view/scene_renderer.h"

#include <GL/glu.h>

#include <algorithm>

namespace tarnix {
namespace {

constexpr GLsizei kSelectBufferSize = 128;
constexpr GLsizei kEntriesPerRecord = 4;  // one name on the stack: count, two depths, name
// Pieces per selection pass: a pick in a thick bundle of lines stops as soon
// as its records overflow the buffer, long before all are drawn.
constexpr std::size_t kChunk = 512;
// Margin around the pick square, in pixels, for the choice on the CPU.
constexpr double kPixelMargin = 0.5;

PickRegion pickRegion(double x, double y, const std::array<GLint, 4>& viewport)
{
    const double halfSide = 2 + kPixelMargin;
    auto ndcX = [&](double wx) { return 2 * (wx - viewport[0]) / viewport[2] - 1; };
    auto ndcY = [&](double wy) { return 2 * (wy - viewport[1]) / viewport[3] - 1; };
    return {ndcX(x - halfSide), ndcX(x + halfSide), ndcY(y - halfSide), ndcY(y + halfSide)};
}

std::array<double, 16> product(const std::array<double, 16>& a, const std::array<double, 16>& b)
{
    std::array<double, 16> m{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k)
                m[column * 4 + row] += a[k * 4 + row] * b[column * 4 + k];
    return m;
}

}  // namespace

std::optional<ScenePosition> SceneRenderer::pathPointUnderPixel(const PixelProbe& probe)
{
    pickPath_.update(input_.FPathPoints);
    std::array<double, 16> projection, modelView;
    std::copy(probe.projection, probe.projection + 16, projection.begin());
    std::copy(probe.modelView, probe.modelView + 16, modelView.begin());
    const std::array<GLint, 4> viewport{probe.viewport[0], probe.viewport[1], probe.viewport[2], probe.viewport[3]};
    const std::vector<PickEntry> near = pickPath_.candidates(
        product(projection, modelView), pickRegion(probe.wx + 0.5, probe.wy + 0.5, viewport), input_.cbViewRapid, -1);
    return tarnix::pathPointUnderPixel(pickPath_, near, probe);
}

GLint SceneRenderer::DoSelect(double x, double windowY)
{
    pickPath_.update(input_.FPathPoints);

    std::array<double, 16> projection, modelView;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    loadPerspective();
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    glMatrixMode(GL_MODELVIEW);
    loadCamera();
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView.data());
    const std::vector<PickEntry> entries =
        pickPath_.candidates(product(projection, modelView), pickRegion(x, windowY, viewport_), input_.cbViewRapid,
                             input_.FCursorLine);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPickMatrix(x, windowY, 4, 4, viewport_.data());
    loadPerspective();
    glMatrixMode(GL_MODELVIEW);
    applyLineStyle();

    // The passes together make the records one pass over the whole scene
    // would: a record closes when the next name is loaded, and every pass
    // ends just before a name is loaded.
    GLuint buffer[kSelectBufferSize];
    GLint records = 0;
    GLint firstName = -1;
    std::size_t from = 0;
    do {
        const std::size_t to = std::min(from + kChunk, entries.size());
        const GLint hits = selectChunk(entries, from, to, buffer);
        if (hits < 0)
            return -1;
        if (hits > 0 && firstName < 0)
            firstName = static_cast<GLint>(buffer[3]);
        records += hits;
        if (records * kEntriesPerRecord > kSelectBufferSize)
            return -1;
        from = to;
    } while (from < entries.size());
    return firstName;
}

GLint SceneRenderer::selectChunk(const std::vector<PickEntry>& entries, std::size_t from, std::size_t to,
                                 GLuint* buffer)
{
    glSelectBuffer(kSelectBufferSize, buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    if (from == 0)
        DrawAxes();
    for (std::size_t i = from; i < to; ++i) {
        const PickEntry& entry = entries[i];
        glLoadName(static_cast<GLuint>(pickPath_.line(entry.index)));
        const float* pen = pickPath_.pen(entry.index);
        if (entry.marker)
            drawCursorMarker({pen[0], pen[1], pen[2]});
        if (entry.segment) {
            glBegin(GL_LINES);
            glVertex3fv(pen);
            glVertex3fv(pickPath_.position(entry.index));
            glEnd();
        }
    }
    if (to == entries.size()) {
        // The tool symbol, the box and the measuring line carry the name of
        // the last point, as they follow it in the drawing.
        ScenePoint tool;
        if (const std::int32_t last = pickPath_.count() - 1; last >= 0) {
            if (entries.empty() || entries.back().index != last)
                glLoadName(static_cast<GLuint>(pickPath_.line(last)));
            const float* p = pickPath_.position(last);
            tool = {p[0], p[1], p[2]};
        }
        drawToolSymbol(tool);
        Draw3dbox();
        drawMeasureLine();
    }
    return glRenderMode(GL_RENDER);
}

}  // namespace tarnix
