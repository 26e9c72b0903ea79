// Picking: the selection pass of the scene, given only the pieces of the
// path that can meet the pick square.

#include "view/scene_renderer.h"

#include <GL/glu.h>

#include <algorithm>

namespace tarnix {
namespace {

constexpr std::size_t kEntriesPerRecord = 4;  // one name on the stack: count, two depths, name
// Names besides the pieces': the tripod's and the last point's, which the
// tool symbol, the box and the measuring line carry.
constexpr std::size_t kOtherRecords = 2;
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

// The name of the record nearest the camera; of equally near ones the
// first, which the depth test lets stand in the drawing.
GLint frontName(const std::vector<GLuint>& buffer, GLint hits)
{
    GLint name = -1;
    GLuint nearest = 0;
    for (std::size_t record = 0; record < static_cast<std::size_t>(hits); ++record) {
        const GLuint minDepth = buffer[record * kEntriesPerRecord + 1];
        if (name < 0 || minDepth < nearest) {
            nearest = minDepth;
            name = static_cast<GLint>(buffer[record * kEntriesPerRecord + 3]);
        }
    }
    return name;
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

    // Every piece may leave a record: sized to them, the buffer cannot
    // overflow however dense the drawing under the square.
    std::vector<GLuint> buffer((entries.size() + kOtherRecords) * kEntriesPerRecord);
    return frontName(buffer, selectPass(entries, buffer));
}

GLint SceneRenderer::selectPass(const std::vector<PickEntry>& entries, std::vector<GLuint>& buffer)
{
    glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    DrawAxes();
    for (const PickEntry& entry : entries) {
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
    // The tool symbol, the box and the measuring line carry the name of the
    // last point, as they follow it in the drawing.
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
    return glRenderMode(GL_RENDER);
}

}  // namespace tarnix
