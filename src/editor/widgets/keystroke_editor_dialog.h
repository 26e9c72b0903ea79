#pragma once
// "Pellam Keystroke Editor": the keystroke table as a list of command and
// keystroke, with Add, Change and Remove, on a copy of the table that the
// caller takes back when the dialog closes with OK.

#include "editor/keystroke_table.h"

#include <QDialog>

class QTreeWidget;

namespace tarnix {

class KeystrokeEditorDialog : public QDialog {
    Q_OBJECT

public:
    KeystrokeEditorDialog(TSynEditKeyStrokes table, QWidget* parent);

    const TSynEditKeyStrokes& table() const { return table_; }
    // The rows' order is the table's order.
    void addRecord(const TSynEditKeyStroke& record);
    void changeRecord(int row, const TSynEditKeyStroke& record);
    void removeRecord(int row);

private:
    void fillList();
    void editRow(int row);

    TSynEditKeyStrokes table_;
    QTreeWidget* list_ = nullptr;
};

}  // namespace tarnix
