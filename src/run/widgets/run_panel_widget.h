#pragma once
// The run panel `Panel2` of the program page: the control bar `ControlBar3`
// with the view tool bar and the "Debug" tool bar `tbDebug`, then the run
// options. Widgets carry their component names; the handlers live in
// RunController.

#include "run/run_panel.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QSlider;
class QToolBar;
class QToolButton;

namespace tarnix {

class RunPanelWidget : public QWidget, public RunPanel {
    Q_OBJECT

public:
    // `viewToolBar` joins tbDebug in the control bar.
    RunPanelWidget(QToolBar* viewToolBar, QWidget* parent = nullptr);

    std::string startPointText() const override;
    std::string stopPointText() const override;
    // Down while a run is paused; image 0 Run, 3 Pause.
    void setPauseButton(bool down, int image) override;
    bool pauseButtonDown() const;

    // The splitter above the panel leaves the control bar at its height.
    void Splitter5Moved();

    QWidget* ControlBar3 = nullptr;
    QToolBar* tbDebug = nullptr;
    QToolButton* tbtnPause = nullptr;
    QToolButton* tbtnGotoCursor = nullptr;
    QToolButton* tbtnStep = nullptr;
    QToolButton* tbtnStop = nullptr;
    QToolButton* tbtnToggleBreakpoint = nullptr;
    QToolButton* tbtnClearAllBreakpoints = nullptr;
    // The information run; disabled until a handler is connected.
    QToolButton* tbtnGetFileInfo = nullptr;

    QCheckBox* cbDelay = nullptr;
    QSlider* tbDelay = nullptr;
    QLineEdit* edSleepTime = nullptr;
    QCheckBox* cbCanSmoothDraw = nullptr;
    QLineEdit* edStartPoint = nullptr;
    QLineEdit* edStopPoint = nullptr;
    QGroupBox* gbPauseOnChange = nullptr;
    QCheckBox* cbGchange = nullptr;
    QCheckBox* cbToolChange = nullptr;
    QCheckBox* cbFchange = nullptr;

private:
    void buildDebugToolBar();
    void buildOptions();
    void tbDelayChange(int position);
};

}  // namespace tarnix
