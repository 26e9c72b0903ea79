#include "view/view_presets.h"

#include <gtest/gtest.h>

using namespace tarnix;

namespace {

struct PresetCase {
    const char* name;
    void (*apply)(TViewCamera&);
    float rotX, rotZ, fovY, viewDist;
};

class ViewPreset : public testing::TestWithParam<PresetCase> {};

}  // namespace

TEST_P(ViewPreset, SetsItsViewCentredAndKeepsTheZoom)
{
    const PresetCase& preset = GetParam();
    // A camera the user has panned, turned and zoomed, with fast zoom on.
    TViewCamera camera{1.5f, -2.25f, -7, 12, -33, 45, 4, 2.6, true, 3, 9};
    preset.apply(camera);

    EXPECT_FLOAT_EQ(camera.FRotX, preset.rotX);
    EXPECT_FLOAT_EQ(camera.FRotZ, preset.rotZ);
    EXPECT_FLOAT_EQ(camera.FFovY, preset.fovY);
    EXPECT_FLOAT_EQ(camera.FViewDist, preset.viewDist);
    EXPECT_EQ(camera.FPanX, 0);
    EXPECT_EQ(camera.FPanY, 0);
    EXPECT_EQ(camera.FRotXYZ, 0);
    EXPECT_EQ(camera.FFrustumNear, 0);
    EXPECT_EQ(camera.FFrustumFar, 500);
    EXPECT_EQ(camera.FZoom, 2.6);
    EXPECT_TRUE(camera.FUseGlScale);
}

INSTANTIATE_TEST_SUITE_P(
    AllPresets, ViewPreset,
    testing::Values(PresetCase{"TopXY", btnExplXYClick, 0, 0, 0.1f, -300},
                    PresetCase{"FrontXZ", btnExplXZClick, -90, 0, 0.1f, -300},
                    PresetCase{"SideYZ", btnExplYZClick, -90, -90, 0.1f, -300},
                    PresetCase{"Oblique3D", btnExplXYZClick, -60, 50, 10, -3}),
    [](const testing::TestParamInfo<PresetCase>& info) { return std::string(info.param.name); });
