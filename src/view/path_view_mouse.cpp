// The view's mouse: drags turn, pan and zoom the camera, a left click picks
// and measures, the wheel zooms while the view has the focus, and the
// coordinates under the mouse go to status panel 4.

#include "view/path_view.h"
#include "view/path_point_under_pixel.h"
#include "view/view_cursors.h"

#include <GL/glu.h>

#include <QMessageBox>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace tarnix {
namespace {

QPoint panelPoint(const QSinglePointEvent* event)
{
    return event->position().toPoint();
}

}  // namespace

int PathView::DoSelect(int x, int y)
{
    int line = -1;
    inContext([&] {
        const double ratio = devicePixelRatioF();
        line = renderer_.DoSelect(x * ratio, (height() - y) * ratio);
    });
    FormResize();
    return line;
}

void PathView::mnMeasureClick()
{
    measure_.mnMeasureClick();
}

void PathView::showCursor(ViewCursor cursor)
{
    setCursor(viewCursor(cursor));
}

void PathView::mousePressEvent(QMouseEvent* event)
{
    const TShiftState shift = shiftStateOf(event->buttons(), event->modifiers());
    const QPoint at = panelPoint(event);
    if (mouse_.Panel10MouseDown(event->button() == Qt::RightButton, shift, at.x(), at.y()))
        RenderScene();
    if (!shift.has(ShiftKey::Left))
        return;
    gPickedLine = DoSelect(at.x(), at.y());
    // The tripod is drawn under name 0: no line.
    if (gPickedLine >= 1)
        emit linePicked(gPickedLine, shift.has(ShiftKey::Shift));
    else
        input_.FCursorLine = 0;
    RenderScene();
    if (measure_.gMeasureMode())
        measuringStep(at.x(), at.y());
}

void PathView::measuringStep(int x, int y)
{
    const DepthProbe probe = probeDepth(x, y);
    if (std::optional<std::string> message = measure_.click(probe.hit, probe.point)) {
        showCursor(ViewCursor::Default);
        QMessageBox box(QMessageBox::Information, "Information", QString::fromStdString(*message),
                        QMessageBox::Ok, this);
        box.setObjectName("MeasureBox");
        box.exec();
    }
}

void PathView::mouseMoveEvent(QMouseEvent* event)
{
    const TShiftState shift = shiftStateOf(event->buttons(), event->modifiers());
    const QPoint at = panelPoint(event);
    const MouseMoveEffect effect = mouse_.Panel10MouseMove(shift, at.x(), at.y());
    if (effect.cursor)
        showCursor(*effect.cursor);
    if (effect.render)
        RenderScene();

    const DepthProbe probe = probeDepth(at.x(), at.y());
    emit mouseReadout(QString::fromStdString(mouseReadoutText(probe.hit, probe.point, at.x(), probe.windowY)));
    if (measure_.gMeasureMode()) {
        if (probe.hit)
            setCursor(Qt::CrossCursor);
        else
            showCursor(ViewCursor::Default);
    }
    if (input_.measure.gMeasureCount == 1) {
        RenderScene();
        measure_.follow(probe.point);
    }
}

void PathView::mouseReleaseEvent(QMouseEvent*)
{
    if (mouse_.Panel10MouseUp())
        RenderScene();
    showCursor(ViewCursor::Default);
    setFocus();
}

void PathView::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    event->accept();
    showCursor(ViewCursor::Zoom);
    mouse_.FormMouseWheel(shiftStateOf(event->buttons(), event->modifiers()), event->angleDelta().y(),
                          panelPoint(event).y());
    RenderScene();
}

PathView::DepthProbe PathView::probeDepth(int x, int y)
{
    DepthProbe probe;
    probe.windowY = height() - y - 1;
    if (!isValid())
        return probe;
    makeCurrent();
    // The matrices and the depth buffer are those of the last drawing.
    const double ratio = devicePixelRatioF();
    const double wx = std::floor(x * ratio);
    const double wy = std::floor(height() * ratio) - std::floor(y * ratio) - 1;
    GLint viewport[4];
    GLdouble modelView[16], projection[16];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    GLfloat depth = 1;
    GLint depthBits = 24;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glReadPixels(static_cast<GLint>(wx), static_cast<GLint>(wy), 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    gluUnProject(wx, wy, depth, modelView, projection, viewport, &probe.point.x, &probe.point.y, &probe.point.z);
    doneCurrent();
    probe.hit = depth != 1.0f;
    if (probe.hit) {
        const PixelProbe pixel{modelView, projection, viewport, wx, wy, depth, depthBits};
        if (std::optional<ScenePosition> onPath = renderer_.pathPointUnderPixel(pixel))
            probe.point = *onPath;
    }
    return probe;
}

}  // namespace tarnix
