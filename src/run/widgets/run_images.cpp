#include "run/widgets/run_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tarnix {
namespace {

constexpr int actionSize = 16;
const QColor runGreen(0, 150, 0);
const QColor stopRed(200, 0, 0);
const QColor stepBlue(0, 70, 200);

void triangle(QPainter& painter, const QRectF& box, const QColor& color)
{
    QPainterPath path;
    path.moveTo(box.left(), box.top());
    path.lineTo(box.right(), box.center().y());
    path.lineTo(box.left(), box.bottom());
    path.closeSubpath();
    painter.fillPath(path, color);
}

void drawAction(QPainter& painter, int index)
{
    switch (index) {
    case 0:  // Run
        triangle(painter, QRectF(4, 2, 9, 12), runGreen);
        break;
    case 1:  // Step: one short move up to a bar
        triangle(painter, QRectF(2, 4, 7, 8), stepBlue);
        painter.fillRect(QRectF(11, 3, 3, 10), stepBlue);
        break;
    case 2:  // Run to cursor: run up to the text cursor
        triangle(painter, QRectF(1, 3, 8, 10), runGreen);
        painter.fillRect(QRectF(12, 2, 1.5, 12), Qt::black);
        painter.fillRect(QRectF(10, 2, 5.5, 1.5), Qt::black);
        painter.fillRect(QRectF(10, 12.5, 5.5, 1.5), Qt::black);
        break;
    case 3:  // Pause
        painter.fillRect(QRectF(4, 3, 3, 10), stepBlue);
        painter.fillRect(QRectF(9, 3, 3, 10), stepBlue);
        break;
    case 4:  // Stop
        painter.fillRect(QRectF(3, 3, 10, 10), stopRed);
        break;
    case 5:  // Toggle Breakpoint
        painter.setBrush(stopRed);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(3, 3, 10, 10));
        break;
    case 6:  // Clear All Breakpoints: a struck-out breakpoint
        painter.setBrush(stopRed);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(3, 3, 10, 10));
        painter.setPen(QPen(Qt::white, 2));
        painter.drawLine(QPointF(5, 5), QPointF(11, 11));
        painter.drawLine(QPointF(11, 5), QPointF(5, 11));
        break;
    case 7: {  // Calculate File Info
        painter.setBrush(stepBlue);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(1, 1, 14, 14));
        painter.fillRect(QRectF(7, 7, 2, 6), Qt::white);
        painter.fillRect(QRectF(7, 3.5, 2, 2), Qt::white);
        break;
    }
    default:
        break;
    }
}

}  // namespace

QIcon actionImage(int index)
{
    QPixmap image(actionSize, actionSize);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawAction(painter, index);
    return QIcon(image);
}

QImage gutterGlyph(int index)
{
    QImage glyph(gutterGlyphWidth, gutterGlyphHeight, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(0.5, 2, 10, 10);
    const QRectF arrow(2, 3, 8, 8);
    switch (index) {
    case 0:  // executable line: a small dot
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 128, 0));
        painter.drawEllipse(QRectF(3.5, 5, 4, 4));
        break;
    case 1:  // current line
        triangle(painter, arrow.adjusted(-1.5, -1, 1, 1), stepBlue);
        break;
    case 2:  // current line with a breakpoint
        painter.setPen(Qt::NoPen);
        painter.setBrush(stopRed);
        painter.drawEllipse(disc);
        triangle(painter, arrow, Qt::white);
        break;
    case 3:  // breakpoint
        painter.setPen(Qt::NoPen);
        painter.setBrush(stopRed);
        painter.drawEllipse(disc);
        break;
    default:
        break;
    }
    return glyph;
}

}  // namespace tarnix
