#pragma once
// The "File Information" dialog: what an information run measured, shown
// modally. While several programs are measured one after the other it
// closes itself after a five-tick countdown on its Close button, which a
// mouse movement over the dialog stops.

#include "interpretation/file_info_fields.h"

#include <QDialog>

#include <chrono>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace tarnix {

class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

    // Fills the fields and shows the dialog until it is closed; with
    // `multiInfo` it counts down and closes itself.
    void ShowFileInfo(const FileInfoFields& info, bool multiInfo);

    // One countdown tick; a second unless shortened (tests, benchmarks).
    void setTickInterval(std::chrono::milliseconds interval);

    // "Set as box": the measured extents become the program's box.
    std::function<void()> onSetAsBox = [] {};

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tmrGetInfoTimer();
    void stopCountdown();
    QLineEdit* addField(const char* labelName, const char* caption, const char* editName);

    QLineEdit* edName;
    QLineEdit* edTime;
    QLineEdit* edLength;
    QLabel* lblLines;
    QLineEdit* edMinX;
    QLineEdit* edMaxX;
    QLineEdit* edMinY;
    QLineEdit* edMaxY;
    QLineEdit* edMinZ;
    QLineEdit* edMaxZ;
    QLineEdit* edMinF;
    QLineEdit* edMaxF;
    QPushButton* btnSetAsBox;
    QPushButton* Button1;
    QTimer* tmrGetInfo;
    bool FMultiInfo = false;
    int gInfoTicks = 0;
};

}  // namespace tarnix
