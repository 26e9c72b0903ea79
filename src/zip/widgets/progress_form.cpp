#include "zip/widgets/progress_form.h"

#include "zip/zip_extractor.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace tarnix {
namespace {

constexpr int kClientWidth = 300;
constexpr int kClientHeight = 100;
// The classic default heights of a label, a progress bar and a button.
constexpr int kLabelHeight = 13;
constexpr int kBarHeight = 17;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

int centred(int width)
{
    return (kClientWidth - width) / 2;
}

}  // namespace

TProgressForm::TProgressForm(ZipExtractor& owner, const QWidget* mainForm)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      owner_(owner),
      label_(new QLabel("wait ...", this)),
      button_(new QPushButton("&Cancel", this)),
      progressBar_(new QProgressBar(this))
{
    setObjectName("ProgressForm");
    setWindowTitle(QApplication::applicationDisplayName());
    setFixedSize(kClientWidth, kClientHeight);
    if (mainForm) {
        const QRect main = mainForm->frameGeometry();
        move(main.left() + (main.width() - width()) / 2, main.top() + (main.height() - height()) / 2);
    }

    label_->setObjectName("Label");
    label_->setGeometry(centred(280), 15, 280, kLabelHeight);

    progressBar_->setObjectName("ProgressBar");
    progressBar_->setGeometry(centred(280), 35, 280, kBarHeight);
    progressBar_->setTextVisible(false);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);

    button_->setObjectName("Button");
    button_->setGeometry(centred(kButtonWidth), 60, kButtonWidth, kButtonHeight);
    button_->setDefault(true);
    connect(button_, &QPushButton::clicked, this, &TProgressForm::CancelClick);
}

void TProgressForm::CancelClick()
{
    owner_.Cancelled = true;
    hide();
}

void TProgressForm::SetMax(int maximum)
{
    progressBar_->setMaximum(maximum);
}

void TProgressForm::SetPosition(int position)
{
    // A bar ignores values outside its range; a full bar is what was meant.
    progressBar_->setValue(std::clamp(position, progressBar_->minimum(), progressBar_->maximum()));
}

void TProgressForm::SetFileText(const std::string& text)
{
    label_->setText(QString::fromStdString(text));
    label_->move(centred(label_->width()), label_->y());
}

}  // namespace tarnix
