#pragma once
// The six-panel status bar along the bottom of the main window.

#include "common/sinks.h"
#include "window/status_bar_clicks.h"

#include <QLabel>
#include <QWidget>

#include <array>
#include <functional>

namespace tarnix {

class StatusBarWidget : public QWidget, public StatusSink {
    Q_OBJECT

public:
    explicit StatusBarWidget(QWidget* parent = nullptr);

    void setPanel(int index, const std::string& text) override;
    // The block label lives elsewhere; the window forwards it.
    void setBlockLabel(const std::string& text) override;

    QString panelText(int index) const;
    const std::array<int, 6>& panelWidths() const { return widths_; }

    // Called for the clicks that reach beyond the bar itself.
    std::function<void()> onClearFullTime;
    std::function<void()> onShowInfoPanel;
    std::function<void(const std::string&)> onBlockLabel;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void applyWidths();

    std::array<QLabel*, 6> panels_{};
    std::array<int, 6> widths_ = {135, 150, 280, 100, 240, 50};
};

}  // namespace tarnix
