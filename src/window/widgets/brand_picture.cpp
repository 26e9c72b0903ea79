#include "window/widgets/brand_picture.h"

#include <QLinearGradient>
#include <QPainter>

namespace tarnix {

QPixmap brandPicture(QSize size, int pointSize)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, size.width(), size.height());
    background.setColorAt(0, QColor(24, 40, 64));
    background.setColorAt(1, QColor(8, 16, 28));
    painter.fillRect(picture.rect(), background);
    // A zig-zag of feed moves under the name.
    painter.setPen(QPen(QColor(128, 255, 0), 2));
    const int bottom = size.height() - 15;
    for (int x = 10; x < size.width() - 20; x += 20)
        painter.drawLine(x, bottom, x + 10, bottom - 14);
    painter.setPen(QColor(0, 255, 255));
    QFont font = painter.font();
    font.setPointSize(pointSize);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 4, size.width(), size.height() - 36), Qt::AlignCenter, "Tarnix");
    return picture;
}

}  // namespace tarnix
