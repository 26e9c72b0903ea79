#pragma once
// The "Make Array" dialog `frmMakeArray`: copies and steps per axis for
// the program selected in the Explorer. It stays on top and is not modal.

#include "path/program_location.h"
#include "transform/make_array.h"

#include <QDialog>

#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarnix {

class TfrmMakeArray : public QDialog {
    Q_OBJECT

public:
    // `array` and `location` must outlive the dialog.
    TfrmMakeArray(MakeArray& array, ProgramLocation& location, QWidget* parent = nullptr);

    // The Explorer's "Array" button with the file list's selected item:
    // without one nothing happens.
    void btnMakeArrayClick(const std::optional<std::string>& selectedName);
    void btnApplyClick();

    QLineEdit* edNumX = nullptr;
    QLineEdit* edNumY = nullptr;
    QLineEdit* edNumZ = nullptr;
    QLineEdit* edX = nullptr;
    QLineEdit* edY = nullptr;
    QLineEdit* edZ = nullptr;
    QLabel* Label10 = nullptr;
    QPushButton* btnApply = nullptr;

private:
    MakeArray& array_;
    ProgramLocation& location_;
};

}  // namespace tarnix
