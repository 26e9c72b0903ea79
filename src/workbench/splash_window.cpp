#include "workbench/splash_window.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace tarnix {

SplashForm::SplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("SplashForm");
    setFixedSize(299, 87);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    Timer1.setSingleShot(true);
    Timer1.start(1000);
}

void SplashForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, width(), height());
    background.setColorAt(0, QColor(24, 40, 64));
    background.setColorAt(1, QColor(8, 16, 28));
    painter.fillRect(rect(), background);
    // A tool path zig-zag behind the name.
    painter.setPen(QPen(QColor(128, 255, 0), 2));
    for (int x = 10; x < width() - 20; x += 20)
        painter.drawLine(x, 70, x + 10, 56);
    painter.setPen(QColor(0, 255, 255));
    QFont font = painter.font();
    font.setPointSize(24);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 4, width(), 50), Qt::AlignCenter, "Tarnix");
}

}  // namespace tarnix
