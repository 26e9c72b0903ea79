#include "window/status_bar_clicks.h"

#include <gtest/gtest.h>

using namespace tarnix;

namespace {
using Widths = std::array<int, 6>;
const Widths kStart = {135, 150, 280, 100, 240, 50};
}  // namespace

TEST(StatusBarClicks, RightWidensAndLeftOrMiddleNarrowsThePanelUnderTheMouse)
{
    Widths widths = kStart;
    StatusBarMouseDown(widths, 10, StatusBarButton::Right);
    EXPECT_EQ(widths[0], 140);
    StatusBarMouseDown(widths, 10, StatusBarButton::Middle);
    StatusBarMouseDown(widths, 10, StatusBarButton::Middle);
    EXPECT_EQ(widths[0], 130);
    StatusBarMouseDown(widths, 130 + 150 + 1, StatusBarButton::Left);
    EXPECT_EQ(widths[2], 275);
}

TEST(StatusBarClicks, BoundariesChangeNothing)
{
    Widths widths = kStart;
    for (int boundary : {135, 285, 565, 665, 905})
        for (auto button : {StatusBarButton::Left, StatusBarButton::Right, StatusBarButton::Middle}) {
            StatusBarClick click = StatusBarMouseDown(widths, boundary, button);
            EXPECT_FALSE(click.clearFullTime || click.showInfoPanel);
        }
    EXPECT_EQ(widths, kStart);
}

TEST(StatusBarClicks, MiddleOnPanelOneClearsTheFullTime)
{
    Widths widths = kStart;
    EXPECT_TRUE(StatusBarMouseDown(widths, 200, StatusBarButton::Middle).clearFullTime);
    EXPECT_EQ(widths, kStart);
}

TEST(StatusBarClicks, RightOfPanelFourShowsTheInfoPanelOrResizesPanelFour)
{
    Widths widths = kStart;
    EXPECT_TRUE(StatusBarMouseDown(widths, 906, StatusBarButton::Middle).showInfoPanel);
    EXPECT_EQ(widths, kStart);
    StatusBarMouseDown(widths, 2000, StatusBarButton::Left);
    EXPECT_EQ(widths[4], 235);
    EXPECT_EQ(widths[5], 50);
    StatusBarMouseDown(widths, 2000, StatusBarButton::Right);
    EXPECT_EQ(widths[4], 240);
}

TEST(StatusBarClicks, NoLowerLimit)
{
    Widths widths = {5, 150, 280, 100, 240, 50};
    StatusBarMouseDown(widths, 1, StatusBarButton::Left);
    StatusBarMouseDown(widths, -3, StatusBarButton::Left);
    EXPECT_EQ(widths[0], -5);
}
