#pragma once
// The four preset views, named after the buttons that show them. Each only
// sets the camera; the view then applies the new field of view and draws
// (PathView::showPreset). FZoom and FUseGlScale are left as they are.

#include "view/view_camera.h"

namespace tarnix {

// Top view onto the XY plane.
void btnExplXYClick(TViewCamera& camera);
// Front view onto the XZ plane.
void btnExplXZClick(TViewCamera& camera);
// Side view onto the YZ plane.
void btnExplYZClick(TViewCamera& camera);
// Oblique 3-D view; the one start-up shows.
void btnExplXYZClick(TViewCamera& camera);

}  // namespace tarnix
