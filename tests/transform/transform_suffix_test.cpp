// The suffix that names what a transformation did.

#include "transform/transform_suffix.h"

#include "conversion/transform_setup.h"

#include <gtest/gtest.h>

using namespace tarnix;

TEST(TransformSuffix, FollowsTheOptionsApplied)
{
    struct Case {
        const char* what;
        void (*set)(TTransformPanel&, FeedOptionTexts&);
        const char* suffix;
    };
    const Case cases[] = {
        {"rotation", [](TTransformPanel& p, FeedOptionTexts&) { p.rgRotate = 2; p.edAngle = "90"; }, "_Rotated_Z_90"},
        {"shift replaces rotation",
         [](TTransformPanel& p, FeedOptionTexts&) {
             p.rgRotate = 1; p.edAngle = "30"; p.cbShiftX = true; p.edShiftX = "5";
         },
         "_Shifted"},
        {"mirror", [](TTransformPanel& p, FeedOptionTexts&) { p.rgMirror = 0; }, "_Mirrored_X"},
        {"const speed keeps the blank",
         [](TTransformPanel&, FeedOptionTexts& f) { f.cbConstSpeedF = true; f.edSpeedX = f.edSpeedZ = "500"; },
         " _ConstSpeed_500"},
        {"const Z before limited Z",
         [](TTransformPanel&, FeedOptionTexts& f) { f.cbConstFz = f.cbLimitZ = true; f.edSpeedZ = "80"; },
         " _Const_Z_80"},
        {"Zmin and factor with a comma",
         [](TTransformPanel& p, FeedOptionTexts&) {
             p.cbZmin = true; p.edZminmax = "-2"; p.cbCoeff = true; p.edFCoeff = "0.8";
         },
         " _Zmin_-2_F x 0,8"},
        {"Zmax without a value adds nothing", [](TTransformPanel& p, FeedOptionTexts&) { p.cbZmax = true; }, " "},
        {"mirror with limited Z and Zmax",
         [](TTransformPanel& p, FeedOptionTexts& f) {
             p.rgMirror = 2; f.cbLimitZ = true; f.edSpeedZ = "50"; p.cbZmax = true; p.edZminmax = "3";
         },
         "_Mirrored_Z_Limited_Z_50_Zmax_3"},
    };
    for (const Case& c : cases) {
        TTransformParams params;
        FeedOptionTexts feed;
        c.set(params.panel, feed);
        setTransformCommandSettings(params);
        EXPECT_EQ(TransformSuffix(params, feed), c.suffix) << c.what;
    }
}
