#include "transform/widgets/make_array_dialog.h"

#include "common/text_encoding.h"
#include "common/widgets/deferred_error.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarnix {

TfrmMakeArray::TfrmMakeArray(MakeArray& array, ProgramLocation& location, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), array_(array), location_(location)
{
    setObjectName("frmMakeArray");
    setWindowTitle("Make Array");
    setModal(false);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Items", this), 0, 1);
    grid->addWidget(new QLabel("Units", this), 0, 2);
    auto edit = [this](const char* name, const char* text) {
        auto* made = new QLineEdit(text, this);
        made->setObjectName(name);
        return made;
    };
    auto axisRow = [this, grid](int row, const char* labelName, const char* caption, QLineEdit* count,
                                QLineEdit* step) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(labelName);
        grid->addWidget(label, row, 0);
        grid->addWidget(count, row, 1);
        grid->addWidget(step, row, 2);
    };
    edNumX = edit("edNumX", "1");
    edNumY = edit("edNumY", "1");
    edNumZ = edit("edNumZ", "1");
    edX = edit("edX", "0");
    edY = edit("edY", "0");
    edZ = edit("edZ", "0");
    axisRow(1, "Label1", "X", edNumX, edX);
    axisRow(2, "Label2", "Y", edNumY, edY);
    axisRow(3, "Label3", "Z", edNumZ, edZ);
    Label10 = new QLabel(this);
    Label10->setObjectName("Label10");
    grid->addWidget(Label10, 4, 0, 1, 3);
    btnApply = new QPushButton("Apply", this);
    btnApply->setObjectName("btnApply");
    grid->addWidget(btnApply, 5, 2);
    connect(btnApply, &QPushButton::clicked, this, guard([this] { btnApplyClick(); }));
}

void TfrmMakeArray::btnMakeArrayClick(const std::optional<std::string>& selectedName)
{
    if (!selectedName)
        return;
    location_.FSelectedFile = *selectedName;
    show();
    Label10->setText(QString::fromStdString(decodeProgramText(location_.FCurrentFolder + location_.FSelectedFile)));
}

void TfrmMakeArray::btnApplyClick()
{
    auto text = [](const QLineEdit* edit) { return edit->text().toStdString(); };
    array_.btnApplyClick(location_.FCurrentFolder, location_.pathOf(location_.FSelectedFile),
                         {text(edNumX), text(edNumY), text(edNumZ), text(edX), text(edY), text(edZ)});
    hide();
}

}  // namespace tarnix
