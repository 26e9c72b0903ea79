#pragma once
// The tool-path view as the run engine drives it.

namespace tarnix {

class RunView {
public:
    virtual ~RunView() = default;
    // Empties the tool path (a fresh run starts a new one).
    virtual void ClearPath() = 0;
    // Draws the scene now: when a run pauses and when it ends.
    virtual void RenderScene() = 0;
    // FLiveRedraw: while set, the window's timer redraws the growing path.
    virtual void setLiveRedraw(bool on) = 0;
};

}  // namespace tarnix
