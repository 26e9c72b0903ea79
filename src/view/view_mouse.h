#pragma once
// What the mouse does to the camera, the rubber band and the tool mark: the
// drags, the wheel and their cursors. The view widget turns Qt's events into
// these calls and does the drawing, picking and measuring they ask for.

#include "view/scene_input.h"
#include "view/view_shift_state.h"

#include <optional>

namespace tarnix {

enum class ViewCursor { Default, HandGrab, Zoom, Rotate };

struct MouseMoveEffect {
    std::optional<ViewCursor> cursor;  // empty: the cursor stays as it is
    bool render = false;
};

class ViewMouse {
public:
    explicit ViewMouse(SceneInput& input) : input_(input) {}

    // Before the pick: remembers where the drag starts, toggles the filled
    // tool mark (right and middle together) and starts the rubber band
    // (Ctrl and left). Returns true when the scene must be drawn now.
    bool Panel10MouseDown(bool rightButton, TShiftState shift, int x, int y);
    // Pan, rubber band, rotate or zoom, as the held set says.
    MouseMoveEffect Panel10MouseMove(TShiftState shift, int x, int y);
    // Returns true when the rubber band went and the scene must be drawn.
    bool Panel10MouseUp();
    // One wheel step; Ctrl alone makes the steps finer.
    void FormMouseWheel(TShiftState shift, int wheelDelta, int mouseY);

    bool FViewMouseDown = false;

private:
    SceneInput& input_;
    int FMouseX = 0;
    int FMouseY = 0;
    int FWheelY = 0;
};

}  // namespace tarnix
