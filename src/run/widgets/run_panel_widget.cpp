#include "run/widgets/run_panel_widget.h"

#include "common/widgets/named_widget.h"
#include "run/widgets/run_images.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnix {
namespace {

constexpr int controlBarHeight = 72;

QCheckBox* checkBox(const char* name, const char* caption)
{
    return named<QCheckBox>(name, caption);
}

}  // namespace

RunPanelWidget::RunPanelWidget(QToolBar* viewToolBar, QWidget* parent) : QWidget(parent)
{
    setObjectName("Panel2");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    ControlBar3 = named<QWidget>("ControlBar3", this);
    auto* bars = new QVBoxLayout(ControlBar3);
    bars->setContentsMargins(0, 0, 0, 0);
    bars->setSpacing(0);
    viewToolBar->setParent(ControlBar3);
    bars->addWidget(viewToolBar);
    buildDebugToolBar();
    bars->addWidget(tbDebug);
    bars->addStretch();
    ControlBar3->setFixedHeight(controlBarHeight);
    layout->addWidget(ControlBar3);

    buildOptions();
    layout->addStretch();
}

void RunPanelWidget::buildDebugToolBar()
{
    tbDebug = named<QToolBar>("tbDebug", "Debug", ControlBar3);
    auto button = [this](const char* name, const char* hint, int image) {
        auto* tool = named<QToolButton>(name, tbDebug);
        tool->setToolTip(hint);
        tool->setIcon(actionImage(image));
        tool->setAutoRaise(true);
        tbDebug->addWidget(tool);
        return tool;
    };
    tbtnPause = button("tbtnPause", "Run/Pause", 0);
    tbtnGotoCursor = button("tbtnGotoCursor", "Run to cursor", 2);
    tbtnStep = button("tbtnStep", "Step", 1);
    tbtnStop = button("tbtnStop", "Stop", 4);
    tbDebug->addSeparator();
    tbtnToggleBreakpoint = button("tbtnToggleBreakpoint", "Toggle Breakpoint", 5);
    tbtnClearAllBreakpoints = button("tbtnClearAllBreakpoints", "Clear All Breakpoints", 6);
    tbtnGetFileInfo = button("tbtnGetFileInfo", "Calculate File Info", 7);
    tbtnGetFileInfo->setEnabled(false);
}

void RunPanelWidget::buildOptions()
{
    auto* options = new QGridLayout;
    cbDelay = checkBox("cbDelay", "Visualisation delay");
    tbDelay = named<QSlider>("tbDelay", Qt::Horizontal);
    tbDelay->setRange(0, 100);
    tbDelay->setTickInterval(10);
    tbDelay->setTickPosition(QSlider::TicksBelow);
    edSleepTime = named<QLineEdit>("edSleepTime", "1");
    edSleepTime->setMaximumWidth(40);
    options->addWidget(cbDelay, 0, 0);
    options->addWidget(tbDelay, 0, 1);
    options->addWidget(edSleepTime, 0, 2);

    cbCanSmoothDraw = checkBox("cbCanSmoothDraw", "Smooth Draw");
    options->addWidget(cbCanSmoothDraw, 1, 0);

    edStartPoint = named<QLineEdit>("edStartPoint");
    edStopPoint = named<QLineEdit>("edStopPoint");
    auto* points = new QHBoxLayout;
    points->addWidget(new QLabel("First line"));
    points->addWidget(edStartPoint);
    points->addWidget(new QLabel("Last  line"));
    points->addWidget(edStopPoint);
    options->addLayout(points, 2, 0, 1, 3);

    gbPauseOnChange = named<QGroupBox>("gbPauseOnChange", "Pause on change");
    auto* pauseLayout = new QHBoxLayout(gbPauseOnChange);
    cbGchange = checkBox("cbGchange", "G0");
    cbToolChange = checkBox("cbToolChange", "Tool");
    cbFchange = checkBox("cbFchange", "F");
    pauseLayout->addWidget(cbGchange);
    pauseLayout->addWidget(cbToolChange);
    pauseLayout->addWidget(cbFchange);
    options->addWidget(gbPauseOnChange, 3, 0, 1, 3);
    static_cast<QVBoxLayout*>(layout())->addLayout(options);

    connect(tbDelay, &QSlider::valueChanged, this, [this](int position) { tbDelayChange(position); });
}

void RunPanelWidget::tbDelayChange(int position)
{
    edSleepTime->setText(QString::number(position));
}

std::string RunPanelWidget::startPointText() const
{
    return edStartPoint->text().toStdString();
}

std::string RunPanelWidget::stopPointText() const
{
    return edStopPoint->text().toStdString();
}

void RunPanelWidget::setPauseButton(bool down, int image)
{
    // Set after the click that started or resumed the run, which left the
    // button up; it stays as set until the next press.
    tbtnPause->setDown(down);
    tbtnPause->setIcon(actionImage(image));
}

bool RunPanelWidget::pauseButtonDown() const
{
    return tbtnPause->isDown();
}

void RunPanelWidget::Splitter5Moved()
{
    ControlBar3->setFixedHeight(controlBarHeight);
}

}  // namespace tarnix
