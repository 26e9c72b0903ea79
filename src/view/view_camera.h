#pragma once
// Where the 3-D view looks from. The mouse handlers and the preset views
// change it; the scene drawing only reads it.

namespace tarnix {

struct TViewCamera {
    float FPanX = 0;        // scene units
    float FPanY = 0;        // scene units; applied negated so the scene follows the mouse
    float FViewDist = -3;   // along the view axis, negative in front of the scene
    float FRotX = 0;        // degrees
    float FRotZ = 0;        // degrees
    float FRotXYZ = 0;      // degrees about the (1, 1, 1) axis
    float FFovY = 10;       // vertical field of view, degrees
    double FZoom = 1.0;     // scale applied when FUseGlScale is on
    bool FUseGlScale = false;  // "Fast Zoom": zoom by scaling instead of moving

    // The frustum values that the presets reset; kept for the hidden
    // frustum command of the workbench, which is their only reader.
    float FFrustumNear = 0;
    float FFrustumFar = 500;

    bool operator==(const TViewCamera&) const = default;
};

}  // namespace tarnix
