#include "window/widgets/sel_range_form.h"

#include "common/number_text.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace tarnix {
namespace {

const char* const kEmptyMessage = "Errpr: Empty begin or end position";
const char* const kConversionMessage = "Errpr: Convertion error. Only digits!";

// The edit that receives picks shows yellow.
void markReceiving(QLineEdit* edit, bool receiving)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, receiving ? QColor(Qt::yellow) : edit->style()->standardPalette().color(QPalette::Base));
    edit->setPalette(palette);
}

}  // namespace

TfrmSelRange::TfrmSelRange(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName("frmSelRange");
    setWindowTitle("Select Range");
    setModal(false);
    resize(317, 99);

    auto* layout = new QGridLayout(this);
    auto* label1 = new QLabel("Selection Start Line", this);
    label1->setObjectName("Label1");
    auto* label2 = new QLabel("Selection End Line", this);
    label2->setObjectName("Label2");
    edBegin = new QLineEdit("0", this);
    edBegin->setObjectName("edBegin");
    edEnd = new QLineEdit("0", this);
    edEnd->setObjectName("edEnd");
    Button1 = new QPushButton("View", this);
    Button1->setObjectName("Button1");
    Button1->setVisible(false);
    Button2 = new QPushButton("Close", this);
    Button2->setObjectName("Button2");
    layout->addWidget(label1, 0, 0);
    layout->addWidget(edBegin, 0, 1);
    layout->addWidget(label2, 1, 0);
    layout->addWidget(edEnd, 1, 1);
    layout->addWidget(Button1, 2, 0);
    layout->addWidget(Button2, 2, 1);
    markReceiving(edBegin, true);
    markReceiving(edEnd, false);

    edBegin->installEventFilter(this);
    edEnd->installEventFilter(this);
    connect(edBegin, &QLineEdit::textChanged, this, [this] { edBeginChange(); });
    connect(edEnd, &QLineEdit::textChanged, this, [this] { edEndChange(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

bool TfrmSelRange::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == edBegin)
            edBeginClick();
        else if (watched == edEnd)
            edEndClick();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmSelRange::edBeginClick()
{
    beginFlag_ = true;
    endFlag_ = false;
    markReceiving(edBegin, true);
    markReceiving(edEnd, false);
}

void TfrmSelRange::edEndClick()
{
    beginFlag_ = false;
    endFlag_ = true;
    markReceiving(edBegin, false);
    markReceiving(edEnd, true);
}

// The box takes the keyboard; closing it leaves the window system free to
// give it to the main window, where the keys meant to retype the edit would
// change the program. So the dialog takes it back for the edit at fault.
void TfrmSelRange::showError(const char* message, QLineEdit* edit)
{
    QMessageBox box(QMessageBox::NoIcon, "Tarnix", message, QMessageBox::Ok, this);
    box.setObjectName("SelRangeMessage");
    box.exec();
    activateWindow();
    edit->setFocus(Qt::OtherFocusReason);
}

std::optional<int> TfrmSelRange::lineOf(QLineEdit* edit)
{
    std::optional<std::int32_t> line = tryParseInt(edit->text().toStdString());
    if (!line)
        showError(kConversionMessage, edit);
    return line;
}

// The conversion comes before any assignment: after a message the range,
// the editor and the view stay as they were.
void TfrmSelRange::edBeginChange()
{
    if (edBegin->text().isEmpty())
        return showError(kEmptyMessage, edBegin);
    if (std::optional<int> b = lineOf(edBegin))
        setRange(*b, currentRange().second);
}

void TfrmSelRange::edEndChange()
{
    if (edEnd->text().isEmpty())
        return showError(kEmptyMessage, edEnd);
    if (std::optional<int> e = lineOf(edEnd))
        setRange(currentRange().first, *e);
}

void TfrmSelRange::Button1Click()
{
    if (edBegin->text().isEmpty() || edEnd->text().isEmpty())
        return showError(kEmptyMessage, edBegin->text().isEmpty() ? edBegin : edEnd);
    const std::optional<int> b = lineOf(edBegin);
    if (!b)
        return;
    if (const std::optional<int> e = lineOf(edEnd))
        setRange(*b, *e);
}

void TfrmSelRange::Button2Click()
{
    hide();
    RenderScene();
}

void TfrmSelRange::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    RenderScene();
}

void TfrmSelRange::mouseReleaseEvent(QMouseEvent* event)
{
    QDialog::mouseReleaseEvent(event);
    RenderScene();
}

}  // namespace tarnix
