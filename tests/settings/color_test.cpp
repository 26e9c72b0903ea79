#include "settings/color.h"

#include <gtest/gtest.h>

using namespace tarnix;

namespace {

void expectGL(const GLColor& color, float red, float green, float blue)
{
    EXPECT_FLOAT_EQ(color[0], red);
    EXPECT_FLOAT_EQ(color[1], green);
    EXPECT_FLOAT_EQ(color[2], blue);
}

const SystemColorResolver kNoSystemColors = [](TColor) -> TColor {
    ADD_FAILURE() << "resolver called for an ordinary colour";
    return 0;
};

}  // namespace

TEST(ColorToGL, LowByteIsRedThenGreenThenBlue)
{
    const GLColor feed = colorToGL(65408, kNoSystemColors);
    expectGL(feed, 128 / 255.0f, 1.0f, 0.0f);
    EXPECT_NEAR(feed[0], 0.50196, 1e-5);
    expectGL(colorToGL(16776960, kNoSystemColors), 0.0f, 1.0f, 1.0f);
    expectGL(colorToGL(255, kNoSystemColors), 1.0f, 0.0f, 0.0f);
}

TEST(ColorToGL, SystemColourIsDrawnInWhatTheResolverGives)
{
    const TColor buttonFace = -2147483633;
    TColor asked = 0;
    const GLColor color = colorToGL(buttonFace, [&](TColor system) {
        asked = system;
        return 0x00C0C0C0;
    });
    EXPECT_EQ(asked, buttonFace);
    expectGL(color, 192 / 255.0f, 192 / 255.0f, 192 / 255.0f);
    expectGL(colorToGL(buttonFace, resolveSystemColorToBlack), 0.0f, 0.0f, 0.0f);
}
