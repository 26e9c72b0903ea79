#pragma once
// The program's name over a stylised tool path: the splash and the About box.

#include <QPixmap>
#include <QSize>

namespace tarnix {

QPixmap brandPicture(QSize size, int pointSize);

}  // namespace tarnix
