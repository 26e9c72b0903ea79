#include "transform/transform_suffix.h"

#include <algorithm>

namespace tarnix {
namespace {

const char* axisName(int item)
{
    return item == 0 ? "X" : item == 1 ? "Y" : item == 2 ? "Z" : "";
}

}  // namespace

std::string TransformSuffix(const TTransformParams& params, const FeedOptionTexts& feed)
{
    const TTransformPanel& panel = params.panel;
    std::string suffix = " ";
    if (params.FDoRotate)
        suffix = std::string("_Rotated_") + axisName(panel.rgRotate) + "_" + panel.edAngle;
    if (params.FDoMirror)
        suffix = std::string("_Mirrored_") + axisName(panel.rgMirror);
    if (params.FDoShift)
        suffix = "_Shifted";

    if (feed.cbConstFz)
        suffix += "_Const_Z_" + feed.edSpeedZ;
    else if (feed.cbLimitZ)
        suffix += "_Limited_Z_" + feed.edSpeedZ;
    else if (feed.cbConstSpeedF)
        suffix += "_ConstSpeed_" + feed.edSpeedX;

    if (panel.cbZmin && !panel.edZminmax.empty())
        suffix += "_Zmin_" + panel.edZminmax;
    else if (panel.cbZmax && !panel.edZminmax.empty())
        suffix += "_Zmax_" + panel.edZminmax;

    if (panel.cbCoeff) {
        std::string factor = panel.edFCoeff;
        std::replace(factor.begin(), factor.end(), '.', ',');
        suffix += "_F x " + factor;
    }
    return suffix;
}

}  // namespace tarnix
