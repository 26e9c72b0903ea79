#include "view/scene_renderer.h"

#include <GL/glu.h>

#include <cmath>
#include <cstdint>
#include <numbers>

namespace tarnix {
namespace {

// Components above 1 are clamped by GL: these draw white and yellow.
constexpr GLfloat kHighlight[3] = {128, 128, 128};
constexpr GLfloat kToolColor[3] = {128, 128, 0};
constexpr GLfloat kOverlayColor[3] = {10, 10, 10};

ScenePoint scenePoint(const TPathPoint& point)
{
    return {static_cast<float>(point.X), static_cast<float>(point.Y), static_cast<float>(point.Z)};
}

void vertex(const ScenePoint& p)
{
    glVertex3f(p.x, p.y, p.z);
}

// Normal rendering puts all path segments into one GL_LINES batch: the same
// pixels in the same order with far fewer calls. Picking closes the batch
// around every segment, since a name can only change outside a batch.
class LineBatch {
public:
    LineBatch() = default;
    LineBatch(const LineBatch&) = delete;
    LineBatch& operator=(const LineBatch&) = delete;
    ~LineBatch() { close(); }

    void open()
    {
        if (!open_)
            glBegin(GL_LINES);
        open_ = true;
    }
    void close()
    {
        if (open_)
            glEnd();
        open_ = false;
    }

private:
    bool open_ = false;
};

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
    const double fovY = input_.camera.FFovY;
    gluPerspective(fovY, static_cast<double>(panelWidth) / panelHeight, 0.01, 5000 / fovY);
    glGetIntegerv(GL_VIEWPORT, viewport_.data());
    glMatrixMode(GL_MODELVIEW);
}

std::optional<SegmentTexts> SceneRenderer::RenderScene(GLenum mode)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    const TViewCamera& camera = input_.camera;
    glLoadIdentity();
    glTranslatef(camera.FPanX, -camera.FPanY, camera.FViewDist);
    glRotatef(camera.FRotX, 1, 0, 0);
    glRotatef(camera.FRotZ, 0, 0, 1);
    glRotatef(camera.FRotXYZ, 1, 1, 1);
    if (camera.FUseGlScale)
        glScaled(camera.FZoom, camera.FZoom, camera.FZoom);

    applyLineStyle();
    // The band is screen decoration: it takes no part in picking, where it
    // would hide the pick under its corner, which sits at the click itself.
    if (input_.rubberBand.gRubberBand && mode != GL_SELECT)
        drawRubberBand();

    // The faint blended edges of smoothed lines must not write depth, or
    // they would hide lines drawn after them.
    if (input_.cbSmooth)
        glDepthMask(GL_FALSE);
    DrawAxes();
    std::optional<SegmentTexts> texts = DrawPath(mode);
    Draw3dbox();
    drawMeasureLine();
    if (input_.cbSmooth)
        glDepthMask(GL_TRUE);
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
    const TD3FloatPointList* points = input_.FPathPoints;
    const std::int32_t count = points != nullptr ? points->Count() : 0;
    const TPathPoint* point = count > 0 ? points->First() : nullptr;

    // The pen starts on the first point, so the first segment has no length.
    ScenePoint pen;
    if (point != nullptr)
        pen = scenePoint(*point);

    std::optional<SegmentTexts> texts;
    LineBatch lines;
    for (std::int32_t i = 0; i < count; ++i, point = point->Next) {
        if (mode == GL_SELECT) {
            lines.close();
            glLoadName(static_cast<GLuint>(point->LineNo));
        }

        const GLfloat* color = point->Color;
        if (point->LineNo == input_.FCursorLine) {
            color = kHighlight;
            // Only the first point of the cursor line gets the marker and
            // the read-out: the segment that leads into the line.
            if (!texts) {
                lines.close();
                drawCursorMarker(pen);
                texts = cursorSegmentTexts(pen, *point, input_.edFileName, input_.FSelectedFile);
            }
        }
        if (input_.FSelBeginLine <= point->LineNo && point->LineNo <= input_.FSelEndLine)
            color = kHighlight;

        const ScenePoint end = scenePoint(*point);
        // A hidden rapid leaves a gap; the next move starts at its end.
        if (!point->Rapid || input_.cbViewRapid) {
            lines.open();
            glColor3fv(color);
            vertex(pen);
            vertex(end);
        }
        pen = end;
    }
    lines.close();
    drawToolSymbol(pen);
    return texts;
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
    const double r = input_.gToolRadius == 0 ? 0.01 : 0.01 * input_.gToolRadius;
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
    const ProgramBoxInput& box = input_.box;
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
