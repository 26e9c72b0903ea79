#include "view/view_presets.h"

namespace tarnix {
namespace {

// The plane views use a narrow field of view, which makes them nearly
// parallel projections; the distance -30 / FFovY keeps the visible area
// about the same for every preset.
constexpr float kPlaneFovY = 0.1f;
constexpr float kObliqueFovY = 10.0f;

void applyPreset(TViewCamera& camera, float rotX, float rotZ, float fovY)
{
    camera.FRotXYZ = 0;
    camera.FPanX = 0;
    camera.FPanY = 0;
    camera.FFrustumNear = 0;
    camera.FFrustumFar = 500;
    camera.FRotX = rotX;
    camera.FRotZ = rotZ;
    camera.FFovY = fovY;
    camera.FViewDist = -30 / camera.FFovY;
}

}  // namespace

void btnExplXYClick(TViewCamera& camera)
{
    applyPreset(camera, 0, 0, kPlaneFovY);
}

void btnExplXZClick(TViewCamera& camera)
{
    applyPreset(camera, -90, 0, kPlaneFovY);
}

void btnExplYZClick(TViewCamera& camera)
{
    applyPreset(camera, -90, -90, kPlaneFovY);
}

void btnExplXYZClick(TViewCamera& camera)
{
    applyPreset(camera, -60, 50, kObliqueFovY);
}

}  // namespace tarnix
