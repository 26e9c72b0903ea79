#pragma once
// Mouse clicks on the status bar: the left button narrows the panel under
// the mouse by 5 pixels, the right button widens it; the middle button
// clears the "Full Time" total on panel 1 and shows the Info panel right of
// panel 4. The last panel always reaches the bar's right end, so clicks there
// resize panel 4 instead. No limits: the user asked for every step.

#include <array>

namespace tarnix {

enum class StatusBarButton { Left, Right, Middle };

struct StatusBarClick {
    bool clearFullTime = false;
    bool showInfoPanel = false;
};

// Changes `widths` as the click asks and says what else to do.
StatusBarClick StatusBarMouseDown(std::array<int, 6>& widths, int x, StatusBarButton button);

}  // namespace tarnix
