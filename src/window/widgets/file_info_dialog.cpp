#include "window/widgets/file_info_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace tarnix {
namespace {

constexpr int kCountdownTicks = 5;

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form2");
    setWindowTitle("File Information");
    setFixedSize(247, 403);
    // Moves over the dialog's own background stop the countdown; the
    // controls on it do not track the mouse, so moves over them do not.
    setMouseTracking(true);

    auto* layout = new QGridLayout(this);
    edName = new QLineEdit(this);
    edName->setObjectName("edName");
    QFont bold = edName->font();
    bold.setBold(true);
    edName->setFont(bold);
    edName->installEventFilter(this);
    layout->addWidget(edName, 0, 0, 1, 2);

    edTime = addField("Label1", "Machine Time ", "edTime");
    edLength = addField("Label2", "Length (m)", "edLength");
    auto* linesLabel = new QLabel("Lines", this);
    linesLabel->setObjectName("Label9");
    lblLines = new QLabel("0", this);
    lblLines->setObjectName("lblLines");
    const int linesRow = layout->rowCount();
    layout->addWidget(linesLabel, linesRow, 0);
    layout->addWidget(lblLines, linesRow, 1);
    edMinX = addField("Label3", "minX", "edMinX");
    edMaxX = addField("Label4", "maxX", "edMaxX");
    edMinY = addField("Label7", "minY", "edMinY");
    edMaxY = addField("Label8", "maxY", "edMaxY");
    edMinZ = addField("Label5", "minZ", "edMinZ");
    edMaxZ = addField("Label6", "maxZ", "edMaxZ");
    edMinF = addField("Label10", "minF", "edMinF");
    edMaxF = addField("Label12", "maxF", "edMaxF");

    btnSetAsBox = new QPushButton("Set as box", this);
    btnSetAsBox->setObjectName("btnSetAsBox");
    Button1 = new QPushButton("Close", this);
    Button1->setObjectName("Button1");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnSetAsBox);
    buttons->addWidget(Button1);
    layout->addLayout(buttons, layout->rowCount(), 0, 1, 2);
    connect(btnSetAsBox, &QPushButton::clicked, this, [this] { onSetAsBox(); });
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    tmrGetInfo = new QTimer(this);
    tmrGetInfo->setObjectName("tmrGetInfo");
    tmrGetInfo->setInterval(1000);
    connect(tmrGetInfo, &QTimer::timeout, this, &TForm2::tmrGetInfoTimer);
}

QLineEdit* TForm2::addField(const char* labelName, const char* caption, const char* editName)
{
    auto* layout = static_cast<QGridLayout*>(this->layout());
    auto* label = new QLabel(caption, this);
    label->setObjectName(labelName);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(editName);
    edit->installEventFilter(this);
    const int row = layout->rowCount();
    layout->addWidget(label, row, 0);
    layout->addWidget(edit, row, 1);
    return edit;
}

void TForm2::setTickInterval(std::chrono::milliseconds interval)
{
    tmrGetInfo->setInterval(interval);
}

void TForm2::ShowFileInfo(const FileInfoFields& info, bool multiInfo)
{
    edName->setText(text(info.edName));
    edTime->setText(text(info.edTime));
    edLength->setText(text(info.edLength));
    lblLines->setText(text(info.lblLines));
    edMinX->setText(text(info.edMinX));
    edMaxX->setText(text(info.edMaxX));
    edMinY->setText(text(info.edMinY));
    edMaxY->setText(text(info.edMaxY));
    edMinZ->setText(text(info.edMinZ));
    edMaxZ->setText(text(info.edMaxZ));
    edMinF->setText(text(info.edMinF));
    edMaxF->setText(text(info.edMaxF));
    FMultiInfo = multiInfo;
    exec();
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    gInfoTicks = 0;
    if (FMultiInfo)
        tmrGetInfo->start();
}

void TForm2::tmrGetInfoTimer()
{
    ++gInfoTicks;
    QFont font = Button1->font();
    font.setBold(true);
    Button1->setFont(font);
    Button1->setText("Close -" + QString::number(kCountdownTicks - gInfoTicks));
    if (gInfoTicks >= kCountdownTicks)
        accept();
}

// However the dialog closes, a countdown still running must not close its
// next showing early.
void TForm2::done(int result)
{
    stopCountdown();
    QDialog::done(result);
}

void TForm2::mouseMoveEvent(QMouseEvent* event)
{
    QDialog::mouseMoveEvent(event);
    stopCountdown();
}

void TForm2::stopCountdown()
{
    tmrGetInfo->stop();
    QFont font = Button1->font();
    font.setBold(false);
    Button1->setFont(font);
    Button1->setText("Close");
}

// The fields are for reading: Esc closes the dialog and no key reaches an
// edit. Tab and Shift+Tab still move between the controls.
bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false;
    if (key == Qt::Key_Escape)
        reject();
    return true;
}

}  // namespace tarnix
