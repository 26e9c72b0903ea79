#pragma once
// The 3-D tool-path view: an OpenGL widget that draws the scene from the
// scene input the main window keeps current.
//
// Redraws: RenderScene() draws at once, for handlers that change what is
// shown; requestRepaint() is the repaint flag that the idle handler serves:
// Qt coalesces the requests and paints once when the event loop gets to it.
// Exposure after being covered is Qt's paint event.

#include "view/distance_measure.h"
#include "view/scene_input.h"
#include "view/scene_renderer.h"
#include "view/segment_texts.h"
#include "view/view_camera.h"
#include "view/view_mouse.h"

#include <QOpenGLWidget>

#include <cstdint>
#include <optional>

namespace tarnix {

class PathView : public QOpenGLWidget
{
    Q_OBJECT

public:
    explicit PathView(QWidget* parent = nullptr);

    SceneInput& sceneInput() { return input_; }

    // Normal rendering, now.
    void RenderScene();
    // Renders now only when the scene or its path differs from the last
    // drawing's: the live redraw polls with it, and a path of millions of
    // segments must not be drawn again and again unchanged.
    void renderIfChanged();
    // Takes in the points the path gained, without drawing (see
    // SceneRenderer::takeInPath).
    void takeInPath();
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

    // The program line under the panel point (x, y), or -1; see
    // SceneRenderer::DoSelect. Restores the projection and draws.
    int DoSelect(int x, int y);
    // Starts a two-point measurement.
    void mnMeasureClick();
    bool gMeasureMode() const { return measure_.gMeasureMode(); }

signals:
    // After every drawing in which the cursor line had a point.
    void segmentTextsChanged(const tarnix::SegmentTexts& texts);
    // A left click hit program line `line` (1 or more). The window moves the
    // editor before the view draws again; the view itself clears the cursor
    // line when the click hits nothing.
    void linePicked(int line, bool shiftHeld);
    // Status panel 4: the coordinates under the mouse.
    void mouseReadout(const QString& text);

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // The scene point under panel point (x, y) from the depth of the last
    // drawing; `hit` is false on the cleared background.
    struct DepthProbe {
        bool hit = false;
        ScenePosition point;
        int windowY = 0;
    };
    DepthProbe probeDepth(int x, int y);
    void measuringStep(int x, int y);
    void showCursor(ViewCursor cursor);

    // What the last drawing drew: the input, and the path's identity and
    // length (a path only grows or is replaced).
    struct DrawnScene {
        SceneInput input;
        std::uint64_t serial = 0;
        std::int32_t count = 0;
        bool operator==(const DrawnScene&) const = default;
    };
    DrawnScene currentScene() const;

    // Runs `work` with the view's GL context current; nothing before the
    // widget has one.
    template <typename Work>
    void inContext(Work&& work)
    {
        if (!isValid())
            return;
        makeCurrent();
        work();
        doneCurrent();
    }

    SceneInput input_;
    std::optional<DrawnScene> drawn_;
    SceneRenderer renderer_{input_};
    ViewMouse mouse_{input_};
    DistanceMeasure measure_{input_.measure};
    int gPickedLine = -1;
    // The frustum's sides; near and far live with the camera, which the
    // presets reset.
    float FFrustumLeft = -1;
    float FFrustumRight = 1;
    float FFrustumBottom = -1;
    float FFrustumTop = 1;
};

}  // namespace tarnix
