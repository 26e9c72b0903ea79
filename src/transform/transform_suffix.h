#pragma once
// The part of an output name that tells which transformation made it.

#include "conversion/converter_settings.h"

#include <string>

namespace tarnix {

// The feed options of the panel, which the interpreter reads as numbers but
// the name shows as typed.
struct FeedOptionTexts {
    bool cbConstSpeedF = false, cbLimitZ = false, cbConstFz = false;
    std::string edSpeedX, edSpeedZ;
};

// "_Rotated_Z_90", "_Mirrored_X" or "_Shifted" (the later replacing the
// earlier; a blank when none applies), then the feed, Z and factor parts.
// Reads FDoRotate, FDoMirror and FDoShift as the command set them.
std::string TransformSuffix(const TTransformParams& params, const FeedOptionTexts& feed);

}  // namespace tarnix
