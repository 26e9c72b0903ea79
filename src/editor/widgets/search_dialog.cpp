#include "editor/widgets/search_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarnix {
namespace {

QPushButton* button(const char* name, const char* caption, QWidget* parent)
{
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(name);
    pushButton->setAutoDefault(false);
    return pushButton;
}

}  // namespace

SearchDialog::SearchDialog(Kind kind, QWidget* parent) : QDialog(parent)
{
    setObjectName(kind == Find ? "FindDialog1" : "ReplaceDialog1");
    setWindowTitle(kind == Find ? "Find" : "Replace");
    setModal(false);
    auto* layout = new QHBoxLayout(this);
    auto* fields = new QFormLayout;
    FindText = new QLineEdit(this);
    FindText->setObjectName("FindText");
    fields->addRow("Find what:", FindText);
    if (kind == Replace) {
        ReplaceText = new QLineEdit(this);
        ReplaceText->setObjectName("ReplaceText");
        fields->addRow("Replace with:", ReplaceText);
    }
    MatchCase = new QCheckBox("Match case", this);
    MatchCase->setObjectName("MatchCase");
    WholeWord = new QCheckBox("Match whole word only", this);
    WholeWord->setObjectName("WholeWord");
    fields->addRow(WholeWord);
    fields->addRow(MatchCase);
    if (kind == Find) {
        auto* direction = new QGroupBox("Direction", this);
        auto* directionLayout = new QHBoxLayout(direction);
        auto* up = new QRadioButton("Up", direction);
        up->setObjectName("Up");
        Down = new QRadioButton("Down", direction);
        Down->setObjectName("Down");
        Down->setChecked(true);
        directionLayout->addWidget(up);
        directionLayout->addWidget(Down);
        fields->addRow(direction);
    }
    layout->addLayout(fields);

    auto* buttons = new QVBoxLayout;
    QPushButton* findNextButton = button("FindNext", "Find Next", this);
    findNextButton->setDefault(true);
    buttons->addWidget(findNextButton);
    connect(findNextButton, &QPushButton::clicked, this, &SearchDialog::findNext);
    if (kind == Replace) {
        QPushButton* replaceButton = button("Replace", "Replace", this);
        QPushButton* replaceAllButton = button("ReplaceAll", "Replace All", this);
        buttons->addWidget(replaceButton);
        buttons->addWidget(replaceAllButton);
        connect(replaceButton, &QPushButton::clicked, this, &SearchDialog::replaceOne);
        connect(replaceAllButton, &QPushButton::clicked, this, &SearchDialog::replaceAll);
    }
    QPushButton* cancel = button("Cancel", "Cancel", this);
    buttons->addWidget(cancel);
    buttons->addStretch();
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);
}

void SearchDialog::present()
{
    show();
    raise();
    activateWindow();
    FindText->setFocus();
}

QString SearchDialog::findText() const { return FindText->text(); }
QString SearchDialog::replaceText() const { return ReplaceText ? ReplaceText->text() : QString(); }
bool SearchDialog::matchCase() const { return MatchCase->isChecked(); }
bool SearchDialog::wholeWord() const { return WholeWord->isChecked(); }
bool SearchDialog::down() const { return !Down || Down->isChecked(); }

}  // namespace tarnix
