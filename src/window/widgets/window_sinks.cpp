#include "window/widgets/window_sinks.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <limits>

namespace tarnix {

LogPane::LogPane(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName("Scroll");
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void LogPane::appendLine(const std::string& line)
{
    appendPlainText(QString::fromStdString(line));
}

ProgressPanel::ProgressPanel(QWidget* parent) : QProgressBar(parent)
{
    setObjectName("ProgressBar");
    setMinimum(0);
    setTextVisible(false);
    QProgressBar::setVisible(false);
}

namespace {
int clampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, 0, std::numeric_limits<int>::max()));
}
}  // namespace

void ProgressPanel::setMaximum(long long maximum)
{
    QProgressBar::setMaximum(clampToInt(maximum));
}

void ProgressPanel::setPosition(long long position)
{
    setValue(std::min(clampToInt(position), maximum()));
}

void ProgressPanel::setVisible(bool visible)
{
    QProgressBar::setVisible(visible);
    if (visible)
        raise();
}

void ProgressPanel::lieOver(QWidget& below)
{
    below_ = &below;
    below.installEventFilter(this);
}

bool ProgressPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == below_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        const int height = sizeHint().height();
        setGeometry(below_->x(), below_->y() - height, below_->width(), height);
    }
    return QProgressBar::eventFilter(watched, event);
}

void QtEventPump::pump()
{
    QCoreApplication::processEvents();
}

}  // namespace tarnix
