#include "transform/widgets/transform_panel.h"

#include "common/number_text.h"
#include "common/widgets/deferred_error.h"
#include "common/widgets/named_widget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnix {
namespace {

QLineEdit* edit(const char* name, const char* text)
{
    auto* box = named<QLineEdit>(name, text);
    box->setMaximumWidth(70);
    return box;
}

void showState(QCheckBox* box, const CheckBoxState& state)
{
    const QSignalBlocker quiet(box);
    box->setChecked(state.checked);
    box->setEnabled(state.enabled);
}

// A radio group may show no choice at all.
void showChoice(QButtonGroup* group, int item)
{
    const QSignalBlocker quiet(group);
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(group->id(button) == item);
    group->setExclusive(true);
}

}  // namespace

TransformPanel::TransformPanel(InterpreterContext& context, TTransformPanel& panel, QWidget* parent)
    : QGroupBox("Transformation", parent), context_(context), panel_(panel)
{
    setObjectName("Panel11");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);

    BitBtn2 = named<QToolButton>("BitBtn2");
    BitBtn2->setToolTip("Close transformation panel");
    BitBtn2->setArrowType(Qt::DownArrow);
    BitBtn2->setFixedSize(18, 16);
    layout->addWidget(BitBtn2, 0, Qt::AlignRight);

    body_ = new QWidget(this);
    auto* columns = new QHBoxLayout(body_);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(buildFeedColumn());
    columns->addWidget(buildChoiceColumn());
    layout->addWidget(body_, 1);

    showFeedBoxes();
    showChoices();
    connectControls();
    setFixedHeight(openHeight);
}

QWidget* TransformPanel::buildFeedColumn()
{
    auto* column = new QWidget;
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    auto pair = [&](QWidget* left, QWidget* right) {
        grid->addWidget(left, row, 0);
        if (right)
            grid->addWidget(right, row, 1);
        ++row;
    };
    cbCoeff = named<QCheckBox>("cbCoeff", "F *");
    edFCoeff = edit("edFCoeff", "1.0");
    pair(cbCoeff, edFCoeff);
    cbConstSpeedF = named<QCheckBox>("cbConstSpeedF", "Const speed");
    edSpeedX = edit("edSpeedX", "");
    pair(cbConstSpeedF, edSpeedX);
    cbLimitZ = named<QCheckBox>("cbLimitZ", "Limited speed Z");
    edSpeedZ = edit("edSpeedZ", "");
    pair(cbLimitZ, edSpeedZ);
    cbConstFz = named<QCheckBox>("cbConstFz", "Const speed  Z");
    pair(cbConstFz, nullptr);
    cbG0 = named<QCheckBox>("cbG0", "G1 && G0 Const speed Z");
    cbG0->setToolTip("Set Z speed constant both G1 and G0 ");
    pair(cbG0, nullptr);
    cbShiftX = named<QCheckBox>("cbShiftX", "Shift X");
    edShiftX = edit("edShiftX", "0");
    pair(cbShiftX, edShiftX);
    cbShiftY = named<QCheckBox>("cbShiftY", "Shift Y");
    edShiftY = edit("edShiftY", "0");
    pair(cbShiftY, edShiftY);
    cbShiftZ = named<QCheckBox>("cbShiftZ", "Shift Z");
    edShiftZ = edit("edShiftZ", "0");
    pair(cbShiftZ, edShiftZ);
    cbZmax = named<QCheckBox>("cbZmax", "Zmax");
    cbZmin = named<QCheckBox>("cbZmin", "Zmin");
    auto* zBoxes = new QHBoxLayout;
    zBoxes->addWidget(cbZmax);
    zBoxes->addWidget(cbZmin);
    grid->addLayout(zBoxes, row, 0);
    edZminmax = edit("edZminmax", "");
    grid->addWidget(edZminmax, row++, 1);
    grid->setRowStretch(row, 1);
    return column;
}

QWidget* TransformPanel::buildChoiceColumn()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    static const char* const mirrorItems[4] = {"Mirror along X", "Mirror along Y", "Mirror along Z", "No Mirror"};
    static const char* const rotateItems[4] = {"Rotate arround X", "Rotate arround Y", "Rotate arround Z",
                                               "No Rotate"};
    rgMirror = radioGroup("rgMirror", mirrorItems, mirrorItems_);
    rgRotate = radioGroup("rgRotate", rotateItems, rotateItems_);
    layout->addWidget(rgMirror);
    layout->addWidget(rgRotate);
    auto* angleRow = new QHBoxLayout;
    angleRow->addWidget(new QLabel("Rotate Angle"));
    edAngle = edit("edAngle", "0");
    angleRow->addWidget(edAngle);
    layout->addLayout(angleRow);
    btnTransform = named<QPushButton>("btnTransform", "Apply");
    layout->addWidget(btnTransform);
    layout->addStretch();
    return column;
}

QGroupBox* TransformPanel::radioGroup(const char* name, const char* const (&items)[4], QButtonGroup*& group)
{
    auto* box = named<QGroupBox>(name);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(0);
    group = new QButtonGroup(box);
    for (int item = 0; item < 4; ++item) {
        auto* button = new QRadioButton(items[item]);
        layout->addWidget(button);
        group->addButton(button, item);
    }
    return box;
}

void TransformPanel::connectControls()
{
    connect(BitBtn2, &QToolButton::clicked, this, [this] { BitBtn2Click(); });
    for (QCheckBox* box : {cbConstSpeedF, cbLimitZ, cbConstFz, cbG0})
        connect(box, &QCheckBox::toggled, this, [this, box](bool checked) { feedBoxClicked(box, checked); });
    connect(cbZmax, &QCheckBox::toggled, this, [this](bool checked) {
        panel_.cbZmax = checked;
        cbZmaxClick(panel_);
        showChoices();
    });
    connect(cbZmin, &QCheckBox::toggled, this, [this](bool checked) {
        panel_.cbZmin = checked;
        cbZminClick(panel_);
        showChoices();
    });
    connect(rotateItems_, &QButtonGroup::idClicked, this, [this](int item) {
        rgRotateClick(panel_, item);
        showChoices();
    });
    connect(mirrorItems_, &QButtonGroup::idClicked, this, [this](int item) {
        rgMirrorClick(panel_, item);
        showChoices();
    });
    connect(edAngle, &QLineEdit::textChanged, this, [this](const QString& text) {
        edAngleChange(panel_, text.toStdString());
        showChoices();
    });

    auto flag = [this](QCheckBox* box, bool& target) {
        connect(box, &QCheckBox::toggled, this, [&target](bool on) { target = on; });
    };
    flag(cbCoeff, panel_.cbCoeff);
    flag(cbShiftX, panel_.cbShiftX);
    flag(cbShiftY, panel_.cbShiftY);
    flag(cbShiftZ, panel_.cbShiftZ);
    auto text = [this](QLineEdit* box, std::string& target) {
        connect(box, &QLineEdit::textChanged, this, [&target](const QString& value) { target = value.toStdString(); });
    };
    text(edFCoeff, panel_.edFCoeff);
    text(edShiftX, panel_.edShiftX);
    text(edShiftY, panel_.edShiftY);
    text(edShiftZ, panel_.edShiftZ);
    text(edZminmax, panel_.edZminmax);

    // The speeds are integers, read as they are typed.
    TInterpreterSettings& settings = context_.settings;
    connect(edSpeedX, &QLineEdit::textChanged, this, guard([this, &settings](const QString& value) {
        if (value.isEmpty())
            return;
        settings.FSpeedX = parseInt(value.toStdString());
        edSpeedZ->setText(value);
    }));
    connect(edSpeedZ, &QLineEdit::textChanged, this, guard([&settings](const QString& value) {
        if (!value.isEmpty())
            settings.FSpeedZ = parseInt(value.toStdString());
    }));
}

void TransformPanel::feedBoxClicked(QCheckBox* box, bool checked)
{
    if (box == cbG0) {
        feedBoxes_.cbG0.checked = checked;
    } else if (box == cbConstSpeedF) {
        feedBoxes_.cbConstSpeedF.checked = checked;
        cbConstSpeedFClick(feedBoxes_);
    } else if (box == cbLimitZ) {
        feedBoxes_.cbLimitZ.checked = checked;
        cbLimitZClick(feedBoxes_);
    } else {
        feedBoxes_.cbConstFz.checked = checked;
        cbConstFzClick(feedBoxes_);
    }
    showFeedBoxes();
}

void TransformPanel::showFeedBoxes()
{
    showState(cbConstSpeedF, feedBoxes_.cbConstSpeedF);
    showState(cbLimitZ, feedBoxes_.cbLimitZ);
    showState(cbConstFz, feedBoxes_.cbConstFz);
    showState(cbG0, feedBoxes_.cbG0);
    TInterpreterSettings& settings = context_.settings;
    settings.cbConstSpeedF = feedBoxes_.cbConstSpeedF.checked;
    settings.cbLimitZ = feedBoxes_.cbLimitZ.checked;
    settings.cbConstFz = feedBoxes_.cbConstFz.checked;
    panel_.cbG0 = feedBoxes_.cbG0.checked;
}

void TransformPanel::showChoices()
{
    showChoice(rotateItems_, panel_.rgRotate);
    showChoice(mirrorItems_, panel_.rgMirror);
    for (auto [box, checked] : {std::pair{cbZmax, panel_.cbZmax}, std::pair{cbZmin, panel_.cbZmin}}) {
        const QSignalBlocker quiet(box);
        box->setChecked(checked);
    }
}

FeedOptionTexts TransformPanel::feedTexts() const
{
    return {feedBoxes_.cbConstSpeedF.checked, feedBoxes_.cbLimitZ.checked, feedBoxes_.cbConstFz.checked,
            edSpeedX->text().toStdString(), edSpeedZ->text().toStdString()};
}

void TransformPanel::BitBtn2Click()
{
    open_ = !open_;
    body_->setVisible(open_);
    setFixedHeight(open_ ? openHeight : closedHeight);
}

}  // namespace tarnix
