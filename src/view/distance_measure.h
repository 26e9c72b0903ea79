#pragma once
// The two-point measurement and the coordinates read-out under the mouse.
// Positions are scene units; what is shown is scene units x 100, that is
// program units for G-code.

#include "view/scene_input.h"

#include <optional>
#include <string>

namespace tarnix {

struct ScenePosition {
    double x = 0, y = 0, z = 0;
};

// Status panel 4: the point under the mouse when the depth there is not the
// cleared background (`hit`), else the panel pixel, y counted upwards.
std::string mouseReadoutText(bool hit, const ScenePosition& point, int x, int windowY);

class DistanceMeasure {
public:
    explicit DistanceMeasure(MeasureInput& measure) : measure_(measure) {}

    // mnMeasureClick: waits for the first point, whatever it was doing.
    void mnMeasureClick();
    bool gMeasureMode() const { return gMeasureMode_; }

    // A left click while measuring. A click on the background is ignored;
    // the second point ends the measurement and returns its message.
    std::optional<std::string> click(bool hit, const ScenePosition& point);
    // The line from the first point follows the mouse.
    void follow(const ScenePosition& point);

private:
    MeasureInput& measure_;
    bool gMeasureMode_ = false;
};

}  // namespace tarnix
