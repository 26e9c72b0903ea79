#pragma once
// The 3-D tool-path view: an OpenGL widget that draws the scene from the
// scene input the main window keeps current.
//
// Redraws: RenderScene() draws at once, for handlers that change what is
// shown; requestRepaint() is the repaint flag that the idle handler serves:
// Qt coalesces the requests and paints once when the event loop gets to it.
// Exposure after being covered is Qt's paint event.

#include "view/scene_input.h"
#include "view/scene_renderer.h"
#include "view/segment_texts.h"
#include "view/view_camera.h"

#include <QOpenGLWidget>

namespace tarnix {

class PathView : public QOpenGLWidget
{
    Q_OBJECT

public:
    explicit PathView(QWidget* parent = nullptr);

    SceneInput& sceneInput() { return input_; }

    // Normal rendering, now.
    void RenderScene();
    void requestRepaint();

    // Applies the current size and field of view, then draws.
    void FormResize();
    // Takes a new background colour from the scene input; it shows at the
    // next drawing.
    void SetupGLState();

    // One of the preset views (view_presets.h): sets the camera, applies
    // its field of view and draws.
    void showPreset(void (&preset)(TViewCamera&));

    // The hidden frustum command: takes the information run's box (program
    // units) as the frustum, X across, Z from bottom (its maximum) to top
    // and Y in depth, multiplies it onto the projection and draws. The
    // projection keeps it until FormResize sets the projection again.
    void Button1Click(double minX, double maxX, double minY, double maxY, double minZ,
                      double maxZ);

signals:
    // After every drawing in which the cursor line had a point.
    void segmentTextsChanged(const tarnix::SegmentTexts& texts);

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

private:
    SceneInput input_;
    SceneRenderer renderer_{input_};
    // The frustum's sides; near and far live with the camera, which the
    // presets reset.
    float FFrustumLeft = -1;
    float FFrustumRight = 1;
    float FFrustumBottom = -1;
    float FFrustumTop = 1;
};

}  // namespace tarnix
