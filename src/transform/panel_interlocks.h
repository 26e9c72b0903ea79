#pragma once
// What one choice on the transformation panel does to the others. Each
// function takes the state after the user's change and gives the whole
// panel's new state, so the widgets apply it once instead of letting one
// box's handler set off the next.

#include "conversion/converter_settings.h"

namespace tarnix {

struct CheckBoxState {
    bool checked = false;
    bool enabled = true;
};

// "Const speed", "Limited speed Z", "Const speed  Z" and "G1 && G0 Const
// speed Z": the rapid box counts only with a constant Z feed, so it starts
// disabled.
struct FeedBoxes {
    CheckBoxState cbConstSpeedF, cbLimitZ, cbConstFz;
    CheckBoxState cbG0{false, false};
};

void cbConstSpeedFClick(FeedBoxes& boxes);
void cbLimitZClick(FeedBoxes& boxes);
void cbConstFzClick(FeedBoxes& boxes);

// Zmin and Zmax exclude each other.
void cbZmaxClick(TTransformPanel& panel);
void cbZminClick(TTransformPanel& panel);

// Items 0 to 2 choose an axis and clear the other group's choice; item 3
// ("No Rotate", "No Mirror") clears the group's own choice.
void rgRotateClick(TTransformPanel& panel, int item);
void rgMirrorClick(TTransformPanel& panel, int item);

// An emptied angle clears the rotation choice.
void edAngleChange(TTransformPanel& panel, const std::string& text);

}  // namespace tarnix
