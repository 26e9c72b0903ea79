#include "editor/widgets/keystroke_editor_dialog.h"

#include "editor/editor_commands.h"
#include "editor/widgets/virtual_keys.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarnix {
namespace {

QString keystrokeText(const TSynEditKeyStroke& record)
{
    QString text = tarnix::keystrokeText(record.Key, record.Shift);
    if (record.Key2 != 0)
        text += ", " + tarnix::keystrokeText(record.Key2, record.Shift2);
    return text;
}

// One record: a command and up to two keys. Nothing when cancelled, or when
// the keys have no virtual-key code.
std::optional<TSynEditKeyStroke> askRecord(const TSynEditKeyStroke& start, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setObjectName("KeystrokeRecordDialog");
    dialog.setWindowTitle("Keystroke");
    auto* layout = new QFormLayout(&dialog);
    auto* command = new QComboBox(&dialog);
    command->setObjectName("cbCommand");
    for (std::uint16_t known : editorCommands())
        command->addItem(QString::fromStdString(editorCommandName(known)), static_cast<int>(known));
    command->setCurrentIndex(std::max(0, command->findData(static_cast<int>(start.Command))));
    auto* keys = new QKeySequenceEdit(&dialog);
    keys->setObjectName("edKeystroke");
    if (std::optional<Qt::Key> key = qtKeyFor(start.Key)) {
        QKeyCombination first(modifiersFor(start.Shift), *key);
        std::optional<Qt::Key> key2 = qtKeyFor(start.Key2);
        keys->setKeySequence(start.Key2 && key2 ? QKeySequence(first, QKeyCombination(modifiersFor(start.Shift2), *key2))
                                                : QKeySequence(first));
    }
    layout->addRow("Command", command);
    layout->addRow("Keystroke", keys);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted || keys->keySequence().isEmpty())
        return std::nullopt;

    TSynEditKeyStroke record;
    record.Command = static_cast<std::uint16_t>(command->currentData().toInt());
    const QKeySequence sequence = keys->keySequence();
    std::optional<std::uint16_t> first = virtualKeyFor(sequence[0].key());
    if (!first)
        return std::nullopt;
    record.Key = *first;
    record.Shift = shiftBitsFor(sequence[0].keyboardModifiers());
    if (sequence.count() > 1) {
        std::optional<std::uint16_t> second = virtualKeyFor(sequence[1].key());
        if (!second)
            return std::nullopt;
        record.Key2 = *second;
        record.Shift2 = shiftBitsFor(sequence[1].keyboardModifiers());
    }
    return record;
}

}  // namespace

KeystrokeEditorDialog::KeystrokeEditorDialog(TSynEditKeyStrokes table, QWidget* parent)
    : QDialog(parent), table_(std::move(table))
{
    setObjectName("SynEditKeystrokesEditorForm");
    setWindowTitle("Pellam Keystroke Editor");
    resize(480, 420);
    auto* layout = new QHBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName("KeyCmdList");
    list_->setHeaderLabels({"Command", "Keystroke"});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(list_, 1);

    auto* buttons = new QVBoxLayout;
    auto addButton = [this, buttons](const char* name, const char* caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    QPushButton* add = addButton("btnAdd", "Add");
    QPushButton* change = addButton("btnEdit", "Change");
    QPushButton* remove = addButton("btnRemove", "Remove");
    buttons->addStretch();
    QPushButton* ok = addButton("btnOK", "OK");
    QPushButton* cancel = addButton("btnCancel", "Cancel");
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, [this] {
        if (std::optional<TSynEditKeyStroke> record = askRecord({}, this))
            addRecord(*record);
    });
    connect(change, &QPushButton::clicked, this, [this] { editRow(list_->currentIndex().row()); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { editRow(list_->currentIndex().row()); });
    connect(remove, &QPushButton::clicked, this, [this] { removeRecord(list_->currentIndex().row()); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    fillList();
}

void KeystrokeEditorDialog::fillList()
{
    list_->clear();
    for (const TSynEditKeyStroke& record : table_)
        list_->addTopLevelItem(new QTreeWidgetItem({QString::fromStdString(editorCommandName(record.Command)), keystrokeText(record)}));
}

void KeystrokeEditorDialog::editRow(int row)
{
    if (row < 0 || row >= static_cast<int>(table_.size()))
        return;
    if (std::optional<TSynEditKeyStroke> record = askRecord(table_[row], this))
        changeRecord(row, *record);
}

void KeystrokeEditorDialog::addRecord(const TSynEditKeyStroke& record)
{
    table_.push_back(record);
    fillList();
    list_->setCurrentItem(list_->topLevelItem(list_->topLevelItemCount() - 1));
}

void KeystrokeEditorDialog::changeRecord(int row, const TSynEditKeyStroke& record)
{
    table_[row] = record;
    fillList();
    list_->setCurrentItem(list_->topLevelItem(row));
}

void KeystrokeEditorDialog::removeRecord(int row)
{
    if (row < 0 || row >= static_cast<int>(table_.size()))
        return;
    table_.erase(table_.begin() + row);
    fillList();
}

}  // namespace tarnix
