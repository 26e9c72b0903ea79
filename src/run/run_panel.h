#pragma once
// The run panel's controls that the run engine reads and sets. The delay
// (cbDelay, tbDelay), the program kind and the "Pause on change" boxes are
// fields of TInterpreterSettings, which the window keeps current.

#include <string>

namespace tarnix {

class RunPanel {
public:
    virtual ~RunPanel() = default;
    // edStartPoint ("First line") and edStopPoint ("Last  line") as typed;
    // the engine converts them when it uses them.
    virtual std::string startPointText() const = 0;
    virtual std::string stopPointText() const = 0;
    // The Run/Pause button tbtnPause: down or up, and its image (0 Run, 3 Pause).
    virtual void setPauseButton(bool down, int image) = 0;
};

}  // namespace tarnix
