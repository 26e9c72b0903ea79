#include "window/widgets/status_bar_widget.h"

#include <QHBoxLayout>
#include <QMouseEvent>

namespace tarnix {

StatusBarWidget::StatusBarWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName("StatusBar");
    setToolTip("Click MMB to reset \"Full  Time\"\nclick LMB to decrease panel size\nor RMB to increase");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Mouse clicks belong to the bar: the panels only show text.
        panels_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(panels_[i]);
    }
    // The last panel takes whatever the others leave, up to the bar's right
    // end: its own width shows nowhere, and a long text must not widen the
    // window.
    panels_.back()->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->setStretchFactor(panels_.back(), 1);
    setFixedHeight(17);
    applyWidths();
}

void StatusBarWidget::applyWidths()
{
    for (std::size_t i = 0; i + 1 < panels_.size(); ++i)
        panels_[i]->setFixedWidth(std::max(0, widths_[i]));
}

void StatusBarWidget::setPanel(int index, const std::string& text)
{
    if (index >= 0 && index < static_cast<int>(panels_.size()))
        panels_[index]->setText(QString::fromStdString(text));
}

void StatusBarWidget::setBlockLabel(const std::string& text)
{
    if (onBlockLabel)
        onBlockLabel(text);
}

QString StatusBarWidget::panelText(int index) const
{
    return panels_.at(index)->text();
}

void StatusBarWidget::mousePressEvent(QMouseEvent* event)
{
    StatusBarButton button;
    switch (event->button()) {
    case Qt::LeftButton: button = StatusBarButton::Left; break;
    case Qt::RightButton: button = StatusBarButton::Right; break;
    case Qt::MiddleButton: button = StatusBarButton::Middle; break;
    default: return;
    }
    StatusBarClick click = StatusBarMouseDown(widths_, static_cast<int>(event->position().x()), button);
    applyWidths();
    if (click.clearFullTime && onClearFullTime)
        onClearFullTime();
    if (click.showInfoPanel && onShowInfoPanel)
        onShowInfoPanel();
}

}  // namespace tarnix
