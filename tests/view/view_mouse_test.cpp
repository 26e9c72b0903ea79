// What drags and the wheel do to the camera: the held set chooses the
// action as a whole set, and the zoom never goes below its floors.

#include "view/view_mouse.h"

#include <gtest/gtest.h>

using namespace tarnix;
using enum ShiftKey;

namespace {

enum class Action { None, Pan, Rotate, TurnAboutDiagonal, Zoom };

struct DragCase {
    const char* name;
    TShiftState held;
    Action action;
    std::optional<ViewCursor> cursor;
};

class Drag : public testing::TestWithParam<DragCase> {};

Action actionSeen(const TViewCamera& before, const TViewCamera& after)
{
    if (after.FPanX != before.FPanX || after.FPanY != before.FPanY)
        return Action::Pan;
    if (after.FRotX != before.FRotX || after.FRotZ != before.FRotZ)
        return Action::Rotate;
    if (after.FRotXYZ != before.FRotXYZ)
        return Action::TurnAboutDiagonal;
    if (after.FViewDist != before.FViewDist || after.FZoom != before.FZoom)
        return Action::Zoom;
    return Action::None;
}

}  // namespace

TEST_P(Drag, HeldSetChoosesTheAction)
{
    const DragCase& drag = GetParam();
    SceneInput input;
    ViewMouse mouse(input);
    mouse.Panel10MouseDown(drag.held.has(Right), drag.held, 100, 100);
    const TViewCamera before = input.camera;
    const MouseMoveEffect effect = mouse.Panel10MouseMove(drag.held, 110, 120);
    EXPECT_EQ(actionSeen(before, input.camera), drag.action);
    EXPECT_EQ(effect.cursor, drag.cursor);
    EXPECT_TRUE(effect.render);  // a button is down
}

INSTANTIATE_TEST_SUITE_P(
    ViewMouse, Drag,
    testing::Values(DragCase{"Left", {Left}, Action::Rotate, ViewCursor::Rotate},
                    DragCase{"AltLeft", {Alt, Left}, Action::Rotate, ViewCursor::Rotate},
                    DragCase{"ShiftCtrlRight", {Shift, Ctrl, Right}, Action::Rotate, ViewCursor::Rotate},
                    DragCase{"Middle", {Middle}, Action::TurnAboutDiagonal, ViewCursor::Rotate},
                    DragCase{"Right", {Right}, Action::Pan, ViewCursor::HandGrab},
                    DragCase{"ShiftLeft", {Shift, Left}, Action::Pan, ViewCursor::HandGrab},
                    DragCase{"ShiftRight", {Shift, Right}, Action::Pan, ViewCursor::HandGrab},
                    DragCase{"AltMiddle", {Alt, Middle}, Action::Pan, ViewCursor::HandGrab},
                    DragCase{"CtrlRight", {Ctrl, Right}, Action::Zoom, ViewCursor::Zoom},
                    DragCase{"AltRight", {Alt, Right}, Action::Zoom, ViewCursor::Zoom},
                    // Whole sets: one more key and nothing matches.
                    DragCase{"ShiftCtrlLeft", {Shift, Ctrl, Left}, Action::None, std::nullopt},
                    DragCase{"LeftRight", {Left, Right}, Action::None, std::nullopt},
                    DragCase{"CtrlLeftIsTheRubberBand", {Ctrl, Left}, Action::None, std::nullopt}),
    [](const testing::TestParamInfo<DragCase>& info) { return info.param.name; });

TEST(ViewMouse, PanFollowsTheMouseAndRotationIsHalfADegreePerPixel)
{
    SceneInput input;
    input.camera.FViewDist = -3;
    input.camera.FFovY = 10;
    ViewMouse mouse(input);
    mouse.Panel10MouseDown(true, {Right}, 0, 0);
    mouse.Panel10MouseMove({Right}, 50, -100);
    EXPECT_FLOAT_EQ(input.camera.FPanX, 50 * 3 / 5000.0f);
    EXPECT_FLOAT_EQ(input.camera.FPanY, -100 * 3 / 5000.0f);

    mouse.Panel10MouseDown(false, {Left}, 0, 0);
    mouse.Panel10MouseMove({Left}, 10, 20);
    EXPECT_FLOAT_EQ(input.camera.FRotX, 10);
    EXPECT_FLOAT_EQ(input.camera.FRotZ, 5);
}

TEST(ViewMouse, RubberBandFollowsCtrlLeftAndGoesAtButtonUp)
{
    SceneInput input;
    ViewMouse mouse(input);
    mouse.Panel10MouseDown(false, {Ctrl, Left}, 5, 6);
    mouse.Panel10MouseMove({Ctrl, Left}, 40, 50);
    const RubberBandInput& band = input.rubberBand;
    EXPECT_TRUE(band.gRubberBand);
    EXPECT_EQ((std::array{band.gRubberX1, band.gRubberY1, band.gRubberX2, band.gRubberY2}),
              (std::array{5, 6, 40, 50}));
    EXPECT_TRUE(mouse.Panel10MouseUp());
    EXPECT_FALSE(band.gRubberBand);
    EXPECT_FALSE(mouse.Panel10MouseUp());
}

TEST(ViewMouse, RightAndMiddleTogetherToggleTheToolMarkAtEveryPress)
{
    SceneInput input;
    ViewMouse mouse(input);
    EXPECT_TRUE(mouse.Panel10MouseDown(false, {Right, Middle}, 0, 0));
    EXPECT_TRUE(input.FToolMarkOn);
    EXPECT_TRUE(mouse.Panel10MouseDown(true, {Right, Middle}, 0, 0));
    EXPECT_FALSE(input.FToolMarkOn);
    EXPECT_FALSE(mouse.Panel10MouseDown(true, {Shift, Right, Middle}, 0, 0));
    EXPECT_FALSE(input.FToolMarkOn);
}

TEST(ViewMouse, DragZoomReplacesOnlyNegativeScales)
{
    SceneInput input;
    ViewMouse mouse(input);
    input.camera.FZoom = 0.5;
    mouse.Panel10MouseDown(true, {Ctrl, Right}, 0, 100);
    mouse.Panel10MouseMove({Ctrl, Right}, 0, 150);
    EXPECT_EQ(input.camera.FZoom, 0.0);
    mouse.Panel10MouseMove({Ctrl, Right}, 0, 151);
    EXPECT_EQ(input.camera.FZoom, 0.01);
    // Dragging down moves the camera away.
    EXPECT_LT(input.camera.FViewDist, -3);
}

TEST(ViewMouse, WheelStepsAndItsFloor)
{
    SceneInput input;
    ViewMouse mouse(input);
    input.camera.FFovY = 10;
    mouse.FormMouseWheel({}, 120, 0);
    EXPECT_DOUBLE_EQ(input.camera.FZoom, 1.4);
    EXPECT_FLOAT_EQ(input.camera.FViewDist, -3 + 0.4f);
    mouse.FormMouseWheel({Ctrl}, 120, 0);
    EXPECT_DOUBLE_EQ(input.camera.FZoom, 1.4 + 1.0 / 15);
    // Ctrl with a button held is not Ctrl alone.
    mouse.FormMouseWheel({Ctrl, Left}, -120, 0);
    EXPECT_DOUBLE_EQ(input.camera.FZoom, 1.0 + 1.0 / 15);

    // 0.4 - 0.4 is 0: the wheel never leaves the scale at 0 or below.
    input.camera.FZoom = 0.4;
    mouse.FormMouseWheel({}, -120, 0);
    EXPECT_EQ(input.camera.FZoom, 0.01);
    mouse.FormMouseWheel({}, -120, 0);
    EXPECT_EQ(input.camera.FZoom, 0.01);
}
