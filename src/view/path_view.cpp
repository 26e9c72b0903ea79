#include "view/path_view.h"

#include "common/free_memory.h"

#include <QSurfaceFormat>

namespace tarnix {
namespace {

// GL 1.1 immediate mode and selection need a compatibility profile; the
// depth buffer serves the depth test and the depth read-back of picking
// and measuring; the stencil buffer lets a frame be drawn over the kept
// image of the path (scene_base.h).
QSurfaceFormat viewFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    return format;
}

}  // namespace

PathView::PathView(QWidget* parent) : QOpenGLWidget(parent)
{
    setObjectName("Panel10");
    setFormat(viewFormat());
    // The read-out follows the mouse without a button held; the wheel
    // zooms only once a click has given the view the focus.
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void PathView::RenderScene()
{
    repaint();
}

void PathView::renderIfChanged()
{
    if (!drawn_ || !(*drawn_ == currentScene()))
        RenderScene();
}

PathView::DrawnScene PathView::currentScene() const
{
    const TD3FloatPointList* points = input_.FPathPoints;
    return {input_, points != nullptr ? points->serial() : 0, points != nullptr ? points->Count() : 0};
}

void PathView::takeInPath()
{
    inContext([this] { renderer_.takeInPath(); });
}

void PathView::requestRepaint()
{
    update();
}

void PathView::FormResize()
{
    inContext([this] { renderer_.FormResize(width(), height(), devicePixelRatioF()); });
    RenderScene();
}

void PathView::SetupGLState()
{
    inContext([this] { renderer_.SetupGLState(); });
}

void PathView::showPreset(void (&preset)(TViewCamera&))
{
    preset(input_.camera);
    FormResize();
    RenderScene();
}

void PathView::Button1Click(double minX, double maxX, double minY, double maxY, double minZ,
                            double maxZ)
{
    TViewCamera& camera = input_.camera;
    FFrustumLeft = static_cast<float>(minX);
    FFrustumRight = static_cast<float>(maxX);
    FFrustumBottom = static_cast<float>(maxZ);
    FFrustumTop = static_cast<float>(minZ);
    camera.FFrustumNear = static_cast<float>(minY);
    camera.FFrustumFar = static_cast<float>(maxY);
    inContext([&] {
        renderer_.MultiplyFrustum(FFrustumLeft, FFrustumRight, FFrustumBottom, FFrustumTop, camera.FFrustumNear,
                                  camera.FFrustumFar);
    });
    RenderScene();
}

void PathView::initializeGL()
{
    renderer_.SetupGLState();
}

void PathView::resizeGL(int width, int height)
{
    renderer_.FormResize(width, height, devicePixelRatioF());
}

void PathView::paintGL()
{
    drawn_ = currentScene();
    if (std::optional<SegmentTexts> texts = renderer_.RenderScene(GL_RENDER))
        emit segmentTextsChanged(*texts);
    // A large path just dropped (a Clear, another program): its arrays, the
    // point list freed before and the GL's copy, which the GL frees once
    // the frame is done, are given back.
    constexpr std::size_t kLargeRelease = std::size_t{64} << 20;
    if (renderer_.takeReleasedBytes() >= kLargeRelease) {
        glFinish();
        returnFreeMemoryToSystem();
    }
}

}  // namespace tarnix
