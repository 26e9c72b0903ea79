#include "explorer/widgets/explorer_icons.h"

#include <QPainter>
#include <QPixmap>

namespace tarnix {
namespace {

// A 16-pixel image drawn by `draw` on a transparent ground; `smooth` for
// round shapes, not for lines on whole pixels, which it would blur.
template <typename Draw>
QIcon drawnIcon(Draw draw, bool smooth = true)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

// A 16-pixel sheet with a folded corner; `zipper` draws an archive's teeth
// down its middle, else text lines.
QIcon sheetIcon(const QColor& paper, bool zipper)
{
    return drawnIcon(
        [&](QPainter& painter) {
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
        },
        false);
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

QIcon getInfoIcon()
{
    static const QIcon icon = drawnIcon([](QPainter& painter) {
        painter.setPen(QColor(20, 60, 140));
        painter.setBrush(QColor(50, 110, 210));
        painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        painter.setPen(QPen(Qt::white, 2));
        painter.drawPoint(QPointF(8, 4.5));
        painter.drawLine(QPointF(8, 7), QPointF(8, 12));
    });
    return icon;
}

QIcon timeSelectedIcon()
{
    static const QIcon icon = drawnIcon([](QPainter& painter) {
        painter.setPen(QPen(QColor(60, 60, 60), 1.2));
        painter.setBrush(QColor(255, 250, 225));
        painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        painter.setPen(QPen(QColor(160, 30, 30), 1.5));
        painter.drawLine(QPointF(8, 8), QPointF(8, 3.5));
        painter.drawLine(QPointF(8, 8), QPointF(11.5, 9.5));
    });
    return icon;
}

QIcon reportIcon()
{
    static const QIcon icon = drawnIcon([](QPainter& painter) {
        painter.setPen(QColor(70, 70, 70));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(2.5, 0.5, 11, 15));
        painter.setPen(QColor(40, 40, 40));
        for (int y = 3; y < 14; y += 2)
            painter.drawLine(QPointF(4.5, y + 0.5), QPointF(y % 4 == 1 ? 9.5 : 11.5, y + 0.5));
    });
    return icon;
}

QIcon showMarkedIcon()
{
    static const QIcon icon = drawnIcon([](QPainter& painter) {
        painter.setPen(QColor(40, 40, 40));
        painter.setBrush(Qt::black);
        painter.drawRect(QRectF(0.5, 1.5, 15, 13));
        painter.setPen(QPen(QColor(80, 230, 80), 1.3));
        painter.drawPolyline(QPolygonF({QPointF(3, 12), QPointF(3, 4), QPointF(8, 4), QPointF(8, 11), QPointF(13, 11),
                                        QPointF(13, 4)}));
    });
    return icon;
}

QIcon mergeMarkedIcon()
{
    static const QIcon icon = drawnIcon([](QPainter& painter) {
        painter.setPen(QColor(70, 70, 70));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(0.5, 0.5, 6, 7));
        painter.drawRect(QRectF(9.5, 0.5, 6, 7));
        painter.setBrush(QColor(255, 240, 170));
        painter.drawRect(QRectF(4.5, 10.5, 7, 5));
        painter.setPen(QPen(QColor(30, 90, 170), 1.3));
        painter.drawLine(QPointF(3.5, 8), QPointF(7, 10));
        painter.drawLine(QPointF(12.5, 8), QPointF(9, 10));
    });
    return icon;
}

}  // namespace tarnix
