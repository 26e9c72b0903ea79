#include "transform/panel_interlocks.h"

namespace tarnix {
namespace {

constexpr int noChoiceItem = 3;

void offAndDisabled(CheckBoxState& box)
{
    box = {false, false};
}

}  // namespace

void cbConstSpeedFClick(FeedBoxes& boxes)
{
    if (boxes.cbConstSpeedF.checked) {
        offAndDisabled(boxes.cbLimitZ);
        offAndDisabled(boxes.cbConstFz);
        offAndDisabled(boxes.cbG0);
    } else {
        boxes.cbG0.enabled = boxes.cbLimitZ.enabled = boxes.cbConstFz.enabled = true;
    }
}

void cbLimitZClick(FeedBoxes& boxes)
{
    if (boxes.cbLimitZ.checked) {
        offAndDisabled(boxes.cbConstSpeedF);
        offAndDisabled(boxes.cbConstFz);
        offAndDisabled(boxes.cbG0);
    } else {
        boxes.cbConstSpeedF.enabled = boxes.cbConstFz.enabled = boxes.cbG0.enabled = true;
    }
}

void cbConstFzClick(FeedBoxes& boxes)
{
    if (boxes.cbConstFz.checked) {
        offAndDisabled(boxes.cbConstSpeedF);
        offAndDisabled(boxes.cbLimitZ);
        boxes.cbG0.enabled = true;
    } else {
        boxes.cbConstSpeedF.enabled = boxes.cbLimitZ.enabled = true;
        offAndDisabled(boxes.cbG0);
    }
}

void cbZmaxClick(TTransformPanel& panel)
{
    if (panel.cbZmax)
        panel.cbZmin = false;
}

void cbZminClick(TTransformPanel& panel)
{
    if (panel.cbZmin)
        panel.cbZmax = false;
}

void rgRotateClick(TTransformPanel& panel, int item)
{
    if (item == noChoiceItem) {
        panel.rgRotate = -1;
    } else {
        panel.rgRotate = item;
        panel.rgMirror = -1;
    }
}

void rgMirrorClick(TTransformPanel& panel, int item)
{
    if (item == noChoiceItem) {
        panel.rgMirror = -1;
    } else {
        panel.rgMirror = item;
        panel.rgRotate = -1;
    }
}

void edAngleChange(TTransformPanel& panel, const std::string& text)
{
    panel.edAngle = text;
    if (text.empty())
        panel.rgRotate = -1;
}

}  // namespace tarnix
