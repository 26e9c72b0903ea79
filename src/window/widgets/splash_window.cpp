#include "window/widgets/splash_window.h"

#include "window/widgets/brand_picture.h"

#include <QGuiApplication>
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
    painter.drawPixmap(0, 0, brandPicture(size(), 24));
}

}  // namespace tarnix
