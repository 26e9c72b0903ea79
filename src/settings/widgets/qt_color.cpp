#include "settings/widgets/qt_color.h"

namespace tarnix {

QColor toQColor(TColor color)
{
    const auto bgr = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace tarnix
