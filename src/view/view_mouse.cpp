#include "view/view_mouse.h"

#include <cmath>

namespace tarnix {
namespace {

using enum ShiftKey;

bool oneOf(TShiftState shift, std::initializer_list<TShiftState> sets)
{
    for (const TShiftState& set : sets)
        if (shift == set)
            return true;
    return false;
}

}  // namespace

bool ViewMouse::Panel10MouseDown(bool rightButton, TShiftState shift, int x, int y)
{
    if (rightButton)
        FWheelY = y;
    FMouseX = x;
    FMouseY = y;
    FViewMouseDown = true;
    bool render = false;
    if (shift == TShiftState{Right, Middle}) {
        input_.FToolMarkOn = !input_.FToolMarkOn;
        render = true;
    }
    if (shift == TShiftState{Ctrl, Left}) {
        RubberBandInput& band = input_.rubberBand;
        band.gRubberBand = true;
        band.gRubberX1 = x;
        band.gRubberY1 = y;
    }
    return render;
}

MouseMoveEffect ViewMouse::Panel10MouseMove(TShiftState shift, int x, int y)
{
    TViewCamera& camera = input_.camera;
    MouseMoveEffect effect;
    if (oneOf(shift, {{Shift, Left}, {Shift, Right}, {Right}, {Alt, Middle}})) {
        effect.cursor = ViewCursor::HandGrab;
        // The scene keeps pace with the mouse whatever the distance.
        const float k = 5000 / std::fabs(camera.FViewDist * camera.FFovY / 10);
        camera.FPanY += (y - FMouseY) / k;
        camera.FPanX += (x - FMouseX) / k;
        FMouseX = x;
        FMouseY = y;
    } else if (shift == TShiftState{Ctrl, Left} && input_.rubberBand.gRubberBand) {
        input_.rubberBand.gRubberX2 = x;
        input_.rubberBand.gRubberY2 = y;
        effect.render = true;
    }

    if (oneOf(shift, {{Left}, {Shift, Ctrl, Right}, {Middle}, {Alt, Left}})) {
        effect.cursor = ViewCursor::Rotate;
        if (shift == TShiftState{Middle}) {
            camera.FRotXYZ -= (y - FMouseY) / 2.0f;
        } else {
            camera.FRotX += (y - FMouseY) / 2.0f;
            camera.FRotZ += (x - FMouseX) / 2.0f;
        }
        FMouseX = x;
        FMouseY = y;
    } else if (oneOf(shift, {{Ctrl, Right}, {Alt, Right}})) {
        effect.cursor = ViewCursor::Zoom;
        camera.FViewDist -= (y - FWheelY) / (10 * camera.FFovY);
        camera.FZoom -= (y - FWheelY) / 100.0;
        // Only a negative scale is replaced: an exact 0 stays.
        if (camera.FZoom < 0)
            camera.FZoom = 0.01;
        FWheelY = y;
    }
    effect.render = effect.render || FViewMouseDown;
    return effect;
}

bool ViewMouse::Panel10MouseUp()
{
    const bool hadBand = input_.rubberBand.gRubberBand;
    input_.rubberBand.gRubberBand = false;
    FViewMouseDown = false;
    return hadBand;
}

void ViewMouse::FormMouseWheel(TShiftState shift, int wheelDelta, int mouseY)
{
    TViewCamera& camera = input_.camera;
    const int dir = wheelDelta >= 0 ? 1 : -1;
    const double step = shift == TShiftState{Ctrl} ? 30 : 5;
    camera.FZoom += dir * 0.1 / (step * 0.05);
    if (camera.FZoom <= 0)
        camera.FZoom = 0.01;
    camera.FViewDist += static_cast<float>(dir / (step * camera.FFovY * 0.05));
    FWheelY = mouseY;
}

}  // namespace tarnix
