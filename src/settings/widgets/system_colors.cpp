#include "settings/widgets/system_colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace tarnix {
namespace {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Indexed by the Windows system colour index: the palette entry that plays
// the same part on this desktop.
constexpr std::array<PaletteEntry, 31> kSystemColors{{
    {QPalette::Active, QPalette::Mid},              // scroll bar
    {QPalette::Active, QPalette::Dark},             // desktop
    {QPalette::Active, QPalette::Highlight},        // active caption
    {QPalette::Inactive, QPalette::Mid},            // inactive caption
    {QPalette::Active, QPalette::Window},           // menu
    {QPalette::Active, QPalette::Base},             // window
    {QPalette::Active, QPalette::Shadow},           // window frame
    {QPalette::Active, QPalette::WindowText},       // menu text
    {QPalette::Active, QPalette::Text},             // window text
    {QPalette::Active, QPalette::HighlightedText},  // caption text
    {QPalette::Active, QPalette::Window},           // active border
    {QPalette::Inactive, QPalette::Window},         // inactive border
    {QPalette::Active, QPalette::Dark},             // application workspace
    {QPalette::Active, QPalette::Highlight},        // highlight
    {QPalette::Active, QPalette::HighlightedText},  // highlighted text
    {QPalette::Active, QPalette::Button},           // button face
    {QPalette::Active, QPalette::Mid},              // button shadow
    {QPalette::Disabled, QPalette::Text},           // grey text
    {QPalette::Active, QPalette::ButtonText},       // button text
    {QPalette::Disabled, QPalette::WindowText},     // inactive caption text
    {QPalette::Active, QPalette::Light},            // button highlight
    {QPalette::Active, QPalette::Shadow},           // 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 3-D light
    {QPalette::Active, QPalette::ToolTipText},      // tooltip text
    {QPalette::Active, QPalette::ToolTipBase},      // tooltip background
    {QPalette::Active, QPalette::Window},           // (unused index 25)
    {QPalette::Active, QPalette::Link},             // hot-tracked item
    {QPalette::Active, QPalette::Highlight},        // active caption gradient
    {QPalette::Inactive, QPalette::Mid},            // inactive caption gradient
    {QPalette::Active, QPalette::Highlight},        // highlighted menu item
    {QPalette::Active, QPalette::Window},           // menu bar
}};

}  // namespace

TColor resolveSystemColor(TColor color, const QPalette& palette)
{
    if (color >= 0)
        return color;
    const auto index = static_cast<std::size_t>(color & 0xFF);
    if (index >= kSystemColors.size())
        return 0;
    const QColor rgb = palette.color(kSystemColors[index].group, kSystemColors[index].role);
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

TColor resolveSystemColor(TColor color)
{
    return resolveSystemColor(color, QGuiApplication::palette());
}

}  // namespace tarnix
