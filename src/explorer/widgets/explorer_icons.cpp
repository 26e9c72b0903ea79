#include "explorer/widgets/explorer_icons.h"

#include <QPainter>
#include <QPixmap>

namespace tarnix {
namespace {

// A 16-pixel sheet with a folded corner; `zipper` draws an archive's teeth
// down its middle, else text lines.
QIcon sheetIcon(const QColor& paper, bool zipper)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QPolygon sheet({QPoint(2, 0), QPoint(10, 0), QPoint(13, 3), QPoint(13, 15), QPoint(2, 15)});
    painter.setPen(QColor(70, 70, 70));
    painter.setBrush(paper);
    painter.drawPolygon(sheet);
    painter.drawLine(10, 0, 10, 3);
    painter.drawLine(10, 3, 13, 3);
    if (zipper) {
        painter.setPen(QColor(60, 60, 60));
        for (int y = 2; y < 14; y += 2)
            painter.drawLine(y % 4 == 0 ? 6 : 7, y, y % 4 == 0 ? 7 : 8, y);
    } else {
        painter.setPen(QColor(40, 90, 160));
        for (int y = 5; y < 14; y += 2)
            painter.drawLine(4, y, y % 4 == 1 ? 11 : 9, y);
    }
    return QIcon(pixmap);
}

}  // namespace

QIcon programFileIcon()
{
    static const QIcon icon = sheetIcon(Qt::white, false);
    return icon;
}

QIcon archiveFileIcon()
{
    static const QIcon icon = sheetIcon(QColor(250, 225, 140), true);
    return icon;
}

}  // namespace tarnix
