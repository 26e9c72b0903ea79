#include "window/widgets/window_sinks.h"

#include <QCoreApplication>

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
}

void QtEventPump::pump()
{
    QCoreApplication::processEvents();
}

}  // namespace tarnix
