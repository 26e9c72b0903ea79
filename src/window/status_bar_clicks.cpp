#include "window/status_bar_clicks.h"

namespace tarnix {

StatusBarClick StatusBarMouseDown(std::array<int, 6>& widths, int x, StatusBarButton button)
{
    StatusBarClick click;
    // Panels are examined left to right, so reaching a panel means the
    // click lies right of every earlier one.
    int right = 0;
    for (int panel = 0; panel < 5; ++panel) {
        right += widths[panel];
        if (x == right)
            return click;  // exactly on a boundary
        if (x < right) {
            if (button == StatusBarButton::Right)
                widths[panel] += 5;
            else if (button == StatusBarButton::Middle && panel == 1)
                click.clearFullTime = true;
            else
                widths[panel] -= 5;
            return click;
        }
    }
    if (button == StatusBarButton::Middle)
        click.showInfoPanel = true;
    else
        widths[4] += button == StatusBarButton::Right ? 5 : -5;
    return click;
}

}  // namespace tarnix
