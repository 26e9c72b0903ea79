#pragma once
// The transformation panel `Panel11`: the options of a transformation and
// its Apply button. The controls keep the context's transformation settings
// and the interpreter's feed options current; the interlocks between them
// come from panel_interlocks.h.

#include "interpretation/interpreter_context.h"
#include "transform/panel_interlocks.h"
#include "transform/transform_suffix.h"

#include <QGroupBox>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tarnix {

class TransformPanel : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int openHeight = 321;
    static constexpr int closedHeight = 25;

    TransformPanel(InterpreterContext& context, TTransformPanel& panel, QWidget* parent = nullptr);

    // The speed edits as typed, with the feed boxes, for the output name.
    FeedOptionTexts feedTexts() const;
    bool FTransformPanelOpen() const { return open_; }
    void BitBtn2Click();

    QToolButton* BitBtn2 = nullptr;
    QCheckBox* cbCoeff = nullptr;
    QLineEdit* edFCoeff = nullptr;
    QCheckBox* cbConstSpeedF = nullptr;
    QLineEdit* edSpeedX = nullptr;
    QCheckBox* cbLimitZ = nullptr;
    QLineEdit* edSpeedZ = nullptr;
    QCheckBox* cbConstFz = nullptr;
    QCheckBox* cbG0 = nullptr;
    QGroupBox* rgMirror = nullptr;
    QGroupBox* rgRotate = nullptr;
    QLineEdit* edAngle = nullptr;
    QCheckBox* cbShiftX = nullptr;
    QCheckBox* cbShiftY = nullptr;
    QCheckBox* cbShiftZ = nullptr;
    QLineEdit* edShiftX = nullptr;
    QLineEdit* edShiftY = nullptr;
    QLineEdit* edShiftZ = nullptr;
    QCheckBox* cbZmax = nullptr;
    QCheckBox* cbZmin = nullptr;
    QLineEdit* edZminmax = nullptr;
    QPushButton* btnTransform = nullptr;

private:
    QWidget* buildFeedColumn();
    QWidget* buildChoiceColumn();
    QGroupBox* radioGroup(const char* name, const char* const (&items)[4], QButtonGroup*& group);
    void connectControls();
    void feedBoxClicked(QCheckBox* box, bool checked);
    // Shows the model's state in the controls without running their handlers.
    void showFeedBoxes();
    void showChoices();

    InterpreterContext& context_;
    TTransformPanel& panel_;
    FeedBoxes feedBoxes_;
    QButtonGroup* mirrorItems_ = nullptr;
    QButtonGroup* rotateItems_ = nullptr;
    QWidget* body_ = nullptr;
    bool open_ = true;
};

}  // namespace tarnix
