#include "settings/color.h"

namespace tarnix {
namespace {

float channel(TColor rgb, int shift)
{
    return static_cast<float>(((rgb >> shift) & 255) / 255.0);
}

}  // namespace

TColor resolveSystemColorToBlack(TColor)
{
    return 0;
}

GLColor colorToGL(TColor color, const SystemColorResolver& resolveSystemColor)
{
    const TColor rgb = color < 0 ? resolveSystemColor(color) : color;
    return {channel(rgb, 0), channel(rgb, 8), channel(rgb, 16)};
}

}  // namespace tarnix
