#include "view/view_cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tarnix {
namespace {

constexpr int kSize = 32;

// Black outlines on white, so the cursor shows on any background.
void beginCursor(QPainter& painter, QPixmap& pixmap)
{
    pixmap.fill(Qt::transparent);
    painter.begin(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
}

// A closed hand: the fist and four knuckles seen from above.
QCursor makeHandGrab()
{
    QPixmap pixmap(kSize, kSize);
    QPainter painter;
    beginCursor(painter, pixmap);
    painter.drawRoundedRect(QRectF(7, 12, 18, 13), 5, 5);
    for (int finger = 0; finger < 4; ++finger)
        painter.drawEllipse(QRectF(7 + 4.5 * finger, 8, 4.5, 7));
    painter.drawEllipse(QRectF(4, 14, 5, 6));  // the thumb
    painter.end();
    return QCursor(pixmap, 16, 16);
}

// A magnifying glass with a plus; the hot spot is the lens centre.
QCursor makeZoom()
{
    QPixmap pixmap(kSize, kSize);
    QPainter painter;
    beginCursor(painter, pixmap);
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(19, 19), QPointF(28, 28));
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawEllipse(QPointF(12, 12), 9, 9);
    painter.drawLine(QPointF(8, 12), QPointF(16, 12));
    painter.drawLine(QPointF(12, 8), QPointF(12, 16));
    painter.end();
    return QCursor(pixmap, 12, 12);
}

// Three quarters of a circle ending in an arrow head.
QCursor makeRotate()
{
    QPixmap pixmap(kSize, kSize);
    QPainter painter;
    beginCursor(painter, pixmap);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    const QRectF circle(6, 6, 20, 20);
    painter.drawArc(circle, 90 * 16, 270 * 16);
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(circle, 90 * 16, 270 * 16);
    QPainterPath head;
    head.moveTo(26, 10);
    head.lineTo(31, 17);
    head.lineTo(21, 17);
    head.closeSubpath();
    painter.setBrush(Qt::black);
    painter.drawPath(head);
    painter.end();
    return QCursor(pixmap, 16, 16);
}

}  // namespace

QCursor viewCursor(ViewCursor cursor)
{
    static const QCursor handGrab = makeHandGrab();
    static const QCursor zoom = makeZoom();
    static const QCursor rotate = makeRotate();
    switch (cursor) {
    case ViewCursor::HandGrab:
        return handGrab;
    case ViewCursor::Zoom:
        return zoom;
    case ViewCursor::Rotate:
        return rotate;
    case ViewCursor::Default:
        break;
    }
    return Qt::ArrowCursor;
}

}  // namespace tarnix
