#pragma once
// `TProgressForm`: the small stay-on-top dialog shown while an archive is
// extracted: the current file, a bar counting bytes, and a Cancel button.
// Built in code at fixed pixel positions, centred over the main window.

#include "zip/zip_extraction_window.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tarnix {

class TProgressForm : public QDialog, public ZipProgressView {
    Q_OBJECT

public:
    // `mainForm` may be nullptr: the dialog then stays where the window
    // system puts it.
    TProgressForm(ZipExtractor& owner, const QWidget* mainForm);

    void Show() override { show(); }
    void Hide() override { hide(); }
    void SetMax(int maximum) override;
    void SetPosition(int position) override;
    void SetFileText(const std::string& text) override;

    // The Cancel button: cancels the owner's extraction and hides.
    void CancelClick();

private:
    ZipExtractor& owner_;
    QLabel* label_;
    QPushButton* button_;
    QProgressBar* progressBar_;
};

}  // namespace tarnix
