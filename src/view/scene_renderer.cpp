#include "view/scene_renderer.h"

#include "view/path_point_position.h"

#include <GL/glu.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <vector>

namespace tarnix {
namespace {

// Components above 1 are clamped by GL: these draw white and yellow.
constexpr GLfloat kHighlight[3] = {128, 128, 128};
constexpr GLfloat kToolColor[3] = {128, 128, 0};
constexpr GLfloat kOverlayColor[3] = {10, 10, 10};
// What a take-in during a build uploads at most: a few milliseconds' work.
constexpr std::size_t kUploadPerTakeIn = std::size_t{32} << 20;

void vertex(const ScenePoint& p)
{
    glVertex3f(p.x, p.y, p.z);
}

// Where the path drawing leaves its pen, and the tool with it: on the last
// point, or at the origin when there is none.
ScenePoint penAfterPath(const TD3FloatPointList* points)
{
    if (points == nullptr || points->Count() == 0)
        return {};
    return scenePoint(points->Last());
}

}  // namespace

void SceneRenderer::SetupGLState()
{
    const auto bgr = static_cast<std::uint32_t>(input_.FBackColor);
    glClearColor(static_cast<GLfloat>(bgr & 0xFF) / 255, static_cast<GLfloat>((bgr >> 8) & 0xFF) / 255,
                 static_cast<GLfloat>((bgr >> 16) & 0xFF) / 255, 1);
    glShadeModel(GL_SMOOTH);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

void SceneRenderer::FormResize(int panelWidth, int panelHeight, double devicePixelRatio)
{
    panelWidth_ = panelWidth;
    panelHeight_ = panelHeight;
    glViewport(0, 0, static_cast<GLsizei>(std::lround(panelWidth * devicePixelRatio)),
               static_cast<GLsizei>(std::lround(panelHeight * devicePixelRatio)));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    loadPerspective();
    glGetIntegerv(GL_VIEWPORT, viewport_.data());
    glMatrixMode(GL_MODELVIEW);
}

void SceneRenderer::loadPerspective()
{
    const double fovY = input_.camera.FFovY;
    gluPerspective(fovY, static_cast<double>(panelWidth_) / panelHeight_, 0.01, 5000 / fovY);
}

void SceneRenderer::loadCamera()
{
    const TViewCamera& camera = input_.camera;
    glLoadIdentity();
    glTranslatef(camera.FPanX, -camera.FPanY, camera.FViewDist);
    glRotatef(camera.FRotX, 1, 0, 0);
    glRotatef(camera.FRotZ, 0, 0, 1);
    glRotatef(camera.FRotXYZ, 1, 1, 1);
    if (camera.FUseGlScale)
        glScaled(camera.FZoom, camera.FZoom, camera.FZoom);
}

std::optional<SegmentTexts> SceneRenderer::RenderScene(GLenum mode)
{
    if (mode == GL_RENDER && baseUsable())
        return renderOverBase();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    loadCamera();
    applyLineStyle();
    // The band is screen decoration: it takes no part in picking, where it
    // would hide the pick under its corner, which sits at the click itself.
    if (input_.rubberBand.gRubberBand && mode != GL_SELECT)
        drawRubberBand();

    // The faint blended edges of smoothed lines must not write depth, or
    // they would hide lines drawn after them.
    if (input_.cbSmooth)
        glDepthMask(GL_FALSE);
    std::optional<SegmentTexts> texts = drawDepthTested(mode);
    if (input_.cbSmooth) {
        glDepthMask(GL_TRUE);
        // The read-out and measuring read the depth buffer: the smoothed
        // scene goes into it once more, without colour, as a plain drawing
        // would leave it.
        if (mode == GL_RENDER) {
            glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
            glDisable(GL_LINE_SMOOTH);
            glDisable(GL_BLEND);
            drawDepthTested(mode);
            glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
            applyLineStyle();
        }
    }
    return texts;
}

std::optional<SegmentTexts> SceneRenderer::drawDepthTested(GLenum mode)
{
    DrawAxes();
    std::optional<SegmentTexts> texts = DrawPath(mode);
    Draw3dbox();
    drawMeasureLine();
    return texts;
}

void SceneRenderer::applyLineStyle()
{
    if (input_.cbSmooth) {
        glLineWidth(1.2f);
        glEnable(GL_LINE_SMOOTH);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
    } else {
        glLineWidth(1.0f);
        glDisable(GL_LINE_SMOOTH);
        glDisable(GL_BLEND);
    }
}

void SceneRenderer::drawRubberBand()
{
    // Corners are panel pixels, so the band is drawn in panel pixels (y
    // down), and without depth, so it hides no part of the scene.
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, panelWidth_, panelHeight_, 0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    const RubberBandInput& band = input_.rubberBand;
    // Half a pixel puts the outline on pixel centres.
    const double x1 = band.gRubberX1 + 0.5, y1 = band.gRubberY1 + 0.5;
    const double x2 = band.gRubberX2 + 0.5, y2 = band.gRubberY2 + 0.5;
    glColor3fv(kOverlayColor);
    glBegin(GL_LINE_LOOP);
    glVertex2d(x1, y1);
    glVertex2d(x1, y2);
    glVertex2d(x2, y2);
    glVertex2d(x2, y1);
    glEnd();

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

void SceneRenderer::DrawAxes()
{
    // The tripod and its letters scale with the distance, so they keep
    // their size on screen.
    const float l = std::fabs(input_.camera.FViewDist) / 20;
    glBegin(GL_LINES);
    glColor3f(255, 0, 0);
    glVertex3f(0, 0, 0);
    glVertex3f(l, 0, 0);
    glVertex3f(l, 0.02f * l, 0);
    glVertex3f(0.92f * l, 0.06f * l, 0);
    glVertex3f(l, 0.06f * l, 0);
    glVertex3f(0.92f * l, 0.02f * l, 0);

    glColor3f(0, 255, 0);
    glVertex3f(0, 0, 0);
    glVertex3f(0, l, 0);
    glVertex3f(-0.02f * l, l, 0);
    glVertex3f(-0.06f * l, 0.92f * l, 0);
    glVertex3f(-0.06f * l, l, 0);
    glVertex3f(-0.04f * l, 0.96f * l, 0);

    glColor3f(0, 0, 255);
    glVertex3f(0, 0, 0);
    glVertex3f(0, 0, l);
    glVertex3f(0, 0.02f * l, l);
    glVertex3f(0, 0.06f * l, l);
    glVertex3f(0, 0.02f * l, 0.92f * l);
    glVertex3f(0, 0.06f * l, 0.92f * l);
    glVertex3f(0, 0.06f * l, l);
    glVertex3f(0, 0.02f * l, 0.92f * l);
    glEnd();
    glColor3f(255, 255, 255);
}

std::optional<SegmentTexts> SceneRenderer::DrawPath(GLenum mode)
{
    std::optional<SegmentTexts> texts = mode == GL_SELECT ? drawPathNamed() : drawPathFromArrays();
    drawToolAfterPath();
    return texts;
}

void SceneRenderer::drawToolAfterPath()
{
    drawToolSymbol(penAfterPath(input_.FPathPoints));
}

void SceneRenderer::takeInPath()
{
    updatePathArrays();
    if (usesBuffers() && vertexArrays_.segmentCount() > 0) {
        pathBuffers_.takeIn(vertexArrays_, kUploadPerTakeIn);
        takeInBase();
    }
}

bool SceneRenderer::usesBuffers() const
{
    return pathArrays_ == PathArrays::BufferObjects && PathBuffers::available();
}

void SceneRenderer::updatePathArrays()
{
    vertexArrays_.update(input_.FPathPoints, input_.cbViewRapid);
    highlights_.update(vertexArrays_, input_.FPathPoints, input_.cbViewRapid, input_.FCursorLine,
                       input_.FSelBeginLine, input_.FSelEndLine);
    if (vertexArrays_.segmentCount() == 0)
        pathBuffers_.empty();
}

std::optional<SegmentTexts> SceneRenderer::drawPathFromArrays()
{
    updatePathArrays();

    // A path out of view costs GL nothing: software GLs transform every
    // vertex before they clip.
    const bool inView = pathBoxInView();
    const bool buffers = inView && usesBuffers();
    glEnableClientState(GL_VERTEX_ARRAY);
    if (buffers) {
        pathBuffers_.bindArrays(vertexArrays_);
        // A segment takes its colour from its last vertex, its own point.
        glShadeModel(GL_FLAT);
    } else if (inView) {
        glVertexPointer(3, GL_FLOAT, 0, vertexArrays_.vertices());
        glColorPointer(3, GL_FLOAT, 0, vertexArrays_.colors());
    }
    auto drawRuns = [this, inView, buffers](std::size_t from, std::size_t to) {
        if (!inView)
            return;
        const std::vector<SegmentRun>& runs = highlights_.runs();
        for (std::size_t i = from; i < to; ++i) {
            colourRun(runs[i]);
            if (buffers)
                pathBuffers_.drawSegments(runs[i].first, runs[i].count);
            else
                glDrawArrays(GL_LINES, 2 * runs[i].first, 2 * runs[i].count);
        }
    };

    // The marker goes in between the segments where the cursor line starts,
    // just where the segment-by-segment drawing puts it.
    std::optional<SegmentTexts> texts;
    drawRuns(0, highlights_.markerRun());
    if (const std::optional<CursorSegment>& cursor = highlights_.cursor()) {
        drawCursorMarker(cursor->pen);
        texts = cursorSegmentTexts(cursor->pen, cursor->point, input_.edFileName, input_.FSelectedFile);
    }
    drawRuns(highlights_.markerRun(), highlights_.runs().size());
    if (buffers) {
        pathBuffers_.unbindArrays();
        glShadeModel(GL_SMOOTH);
    }
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    return texts;
}

// Highlighted runs take one colour for all their vertices, so they leave
// the colour array off instead of needing a second one.
void SceneRenderer::colourRun(const SegmentRun& run)
{
    if (run.highlighted) {
        glDisableClientState(GL_COLOR_ARRAY);
        glColor3fv(kHighlight);
    } else {
        glEnableClientState(GL_COLOR_ARRAY);
    }
}

// Whether any of the path's box lies inside the view volume: a box with
// all corners beyond one clipping plane lies wholly outside.
bool SceneRenderer::pathBoxInView() const
{
    const std::array<GLfloat, 3>& low = vertexArrays_.boxMin();
    const std::array<GLfloat, 3>& high = vertexArrays_.boxMax();
    for (int axis = 0; axis < 3; ++axis) {
        if (low[axis] > high[axis])
            return false;  // no segments
        if (!std::isfinite(low[axis]) || !std::isfinite(high[axis]))
            return true;
    }
    GLdouble modelView[16], projection[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    // Counts, per clipping plane, the corners beyond it.
    int beyond[6] = {};
    for (int corner = 0; corner < 8; ++corner) {
        const GLdouble p[4] = {(corner & 1) ? high[0] : low[0], (corner & 2) ? high[1] : low[1],
                               (corner & 4) ? high[2] : low[2], 1};
        GLdouble eye[4], clip[4];
        for (int row = 0; row < 4; ++row) {
            eye[row] = 0;
            for (int k = 0; k < 4; ++k)
                eye[row] += modelView[k * 4 + row] * p[k];
        }
        for (int row = 0; row < 4; ++row) {
            clip[row] = 0;
            for (int k = 0; k < 4; ++k)
                clip[row] += projection[k * 4 + row] * eye[k];
        }
        const GLdouble w = clip[3];
        for (int axis = 0; axis < 3; ++axis) {
            beyond[2 * axis] += clip[axis] > w;
            beyond[2 * axis + 1] += clip[axis] < -w;
        }
    }
    for (int count : beyond)
        if (count == 8)
            return false;
    return true;
}

std::optional<SegmentTexts> SceneRenderer::drawPathNamed()
{
    const TD3FloatPointList* points = input_.FPathPoints;
    const std::int32_t count = points != nullptr ? points->Count() : 0;
    if (count == 0)
        return std::nullopt;
    auto point = points->First();

    // The pen starts on the first point, so the first segment has no length.
    ScenePoint pen = scenePoint(*point);

    // A name can only change outside a batch: one batch per segment.
    std::optional<SegmentTexts> texts;
    for (std::int32_t i = 0; i < count; ++i, point.Next()) {
        glLoadName(static_cast<GLuint>(point->LineNo));

        const GLfloat* color = point->Color;
        if (point->LineNo == input_.FCursorLine) {
            color = kHighlight;
            // Only the first point of the cursor line gets the marker and
            // the read-out: the segment that leads into the line.
            if (!texts) {
                drawCursorMarker(pen);
                texts = cursorSegmentTexts(pen, *point, input_.edFileName, input_.FSelectedFile);
            }
        }
        if (input_.FSelBeginLine <= point->LineNo && point->LineNo <= input_.FSelEndLine)
            color = kHighlight;

        const ScenePoint end = scenePoint(*point);
        // A hidden rapid leaves a gap; the next move starts at its end.
        if (!point->Rapid || input_.cbViewRapid) {
            glBegin(GL_LINES);
            glColor3fv(color);
            vertex(pen);
            vertex(end);
            glEnd();
        }
        pen = end;
    }
    return texts;
}

void SceneRenderer::MultiplyFrustum(double left, double right, double bottom, double top,
                                    double nearZ, double farZ)
{
    if (nearZ <= 0 || farZ <= 0 || nearZ == farZ || left == right || bottom == top)
        return;
    glMatrixMode(GL_PROJECTION);
    glFrustum(left, right, bottom, top, nearZ, farZ);
    glMatrixMode(GL_MODELVIEW);
}

void SceneRenderer::drawCursorMarker(const ScenePoint& at)
{
    // Sized by distance and field of view to stay the same on screen; the
    // sign of the size does not matter, the square is symmetric.
    const TViewCamera& camera = input_.camera;
    const double h = 0.005 * camera.FViewDist * camera.FFovY / 10;
    const double x = at.x, y = at.y, z = at.z;
    glColor3fv(kHighlight);
    glBegin(GL_LINES);
    glVertex3d(x - h, y - h, z);
    glVertex3d(x + h, y + h, z);
    glVertex3d(x - h, y + h, z);
    glVertex3d(x + h, y - h, z);
    glVertex3d(x - h, y - h, z);
    glVertex3d(x - h, y + h, z);
    glVertex3d(x + h, y - h, z);
    glVertex3d(x + h, y + h, z);
    glVertex3d(x - h, y - h, z);
    glVertex3d(x + h, y - h, z);
    glVertex3d(x - h, y + h, z);
    glVertex3d(x + h, y + h, z);
    glEnd();

    if (!input_.FToolMarkOn)
        return;
    const double m = 0.003 * camera.FViewDist * camera.FFovY / 10;
    glBegin(GL_TRIANGLES);
    glVertex3d(x - m, y - m, z);
    glVertex3d(x + m, y + m, z);
    glVertex3d(x - m, y + m, z);
    glVertex3d(x + m, y - m, z);
    glVertex3d(x - m, y - m, z);
    glVertex3d(x - m, y + m, z);
    glVertex3d(x + m, y + m, z);
    glVertex3d(x + m, y - m, z);
    glVertex3d(x - m, y - m, z);
    glVertex3d(x + m, y - m, z);
    glVertex3d(x - m, y + m, z);
    glVertex3d(x + m, y + m, z);
    glEnd();
}

void SceneRenderer::drawToolSymbol(const ScenePoint& at)
{
    // An unknown tool still shows: as one program unit of G-code.
    const double r = input_.box.gToolRadius == 0 ? 0.01 : 0.01 * input_.box.gToolRadius;
    const double x = at.x, y = at.y, z = at.z;
    glColor3fv(kToolColor);
    glBegin(GL_LINE_STRIP);
    for (int degree = 0; degree <= 360; ++degree) {
        const double angle = degree * std::numbers::pi / 180;
        glVertex3d(x + r * std::cos(angle), y + r * std::sin(angle), z);
    }
    glEnd();

    const double s = 0.707 * r;
    glBegin(GL_LINES);
    glVertex3d(x - s, y - s, z);
    glVertex3d(x - s, y + s, z);
    glVertex3d(x - s, y + s, z);
    glVertex3d(x + s, y + s, z);
    glVertex3d(x + s, y + s, z);
    glVertex3d(x + s, y - s, z);
    glVertex3d(x + s, y - s, z);
    glVertex3d(x - s, y - s, z);
    glVertex3d(x - s, y - s, z);
    glVertex3d(x + s, y + s, z);
    glVertex3d(x - s, y + s, z);
    glVertex3d(x + s, y - s, z);
    glEnd();
}

void SceneRenderer::Draw3dbox()
{
    if (input_.FSelectedFile.empty())
        return;
    const TProgramBox& box = input_.box;
    const double s = input_.boxScale;
    const double minX = s * box.gMinX, maxX = s * box.gMaxX;
    const double minY = s * box.gMinY, maxY = s * box.gMaxY;
    const double minZ = s * box.gMinZ, maxZ = s * box.gMaxZ;

    auto edge = [](double x1, double y1, double z1, double x2, double y2, double z2) {
        glVertex3d(x1, y1, z1);
        glVertex3d(x2, y2, z2);
    };
    auto face = [&](double z) {
        edge(maxX, minY, z, maxX, maxY, z);
        edge(minX, minY, z, minX, maxY, z);
        edge(minX, minY, z, maxX, minY, z);
        edge(minX, maxY, z, maxX, maxY, z);
    };

    glColor3f(0, 0, 255);
    glBegin(GL_LINES);
    edge(minX, maxY, minZ, minX, maxY, maxZ);
    edge(minX, minY, minZ, minX, minY, maxZ);
    edge(maxX, minY, minZ, maxX, minY, maxZ);
    edge(maxX, maxY, minZ, maxX, maxY, maxZ);
    face(minZ);
    face(maxZ);
    glEnd();
}

void SceneRenderer::drawMeasureLine()
{
    const MeasureInput& measure = input_.measure;
    if (measure.gMeasureCount != 1)
        return;
    glColor3fv(kOverlayColor);
    glBegin(GL_LINES);
    glVertex3d(measure.gMeasX1, measure.gMeasY1, measure.gMeasZ1);
    glVertex3d(measure.gMeasX2, measure.gMeasY2, measure.gMeasZ2);
    glEnd();
}

}  // namespace tarnix
