#include "window/widgets/info_form.h"

#include "window/widgets/jpeg_image.h"
#include "settings/widgets/qt_color.h"

#include <QCloseEvent>
#include <QDebug>
#include <QFrame>
#include <QLabel>
#include <QPixmap>

namespace tarnix {
namespace {

constexpr int kClientWidth = 306;
constexpr int kClientHeight = 108;

// Colours as blue-green-red integers, like the colour settings.
constexpr TColor kFormFontColor = 0x408000;
constexpr TColor kXRowColor = 0x5B66EA;
constexpr TColor kYRowColor = 0x00C400;
constexpr TColor kZRowColor = 0xFF8000;
constexpr TColor kSilver = 0xC0C0C0;

const char* const kPicturePath = ":/workbench/info_picture.jpg";
constexpr int kPictureSize = 65;

// Three coordinate rows, a rule, then the feed and length row.
constexpr int kRowHeight = 20;
constexpr int kRowTop[] = {6, 28, 50};
constexpr int kRuleTop = 74;
constexpr int kBottomRowTop = 82;
constexpr int kTitleLeft = 8;
constexpr int kTitleWidth = 24;
constexpr int kBeginLeft = 34;
constexpr int kBeginWidth = 128;
constexpr int kEndLeft = 170;
constexpr int kEndWidth = 130;

QLabel* addLabel(QWidget* form, const char* name, const char* caption, QRect place, TColor color)
{
    auto* label = new QLabel(QString::fromLatin1(caption), form);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(QFont(QStringLiteral("Tahoma"), 12, QFont::Bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(color));
    label->setPalette(palette);
    return label;
}

QRect titleCell(int row)
{
    return QRect(kTitleLeft, kRowTop[row], kTitleWidth, kRowHeight);
}

QRect beginCell(int row)
{
    return QRect(kBeginLeft, kRowTop[row], kBeginWidth, kRowHeight);
}

QRect endCell(int row)
{
    return QRect(kEndLeft, kRowTop[row], kEndWidth, kRowHeight);
}

QLabel* addPicture(QWidget* form)
{
    auto* picture = new QLabel(form);
    picture->setObjectName(QStringLiteral("img1"));
    picture->setGeometry((kClientWidth - kPictureSize) / 2, 4, kPictureSize, kPictureSize);
    const JpegImage decoded = JpegImage::fromFile(QString::fromLatin1(kPicturePath));
    if (decoded.isNull())
        qWarning() << "Info panel picture:" << decoded.errorText();
    else
        picture->setPixmap(QPixmap::fromImage(decoded.image()));
    picture->hide();
    return picture;
}

}  // namespace

TInfoForm::TInfoForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("InfoForm"));
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, toQColor(kFormFontColor));
    setPalette(palette);

    addLabel(this, "Label1", "X:", titleCell(0), kXRowColor);
    addLabel(this, "Label2", "Y:", titleCell(1), kYRowColor);
    addLabel(this, "Label3", "Z:", titleCell(2), kZRowColor);
    lbBeginX = addLabel(this, "lbBeginX", "0", beginCell(0), kXRowColor);
    lbBeginY = addLabel(this, "lbBeginY", "0", beginCell(1), kYRowColor);
    lbBeginZ = addLabel(this, "lbBeginZ", "0", beginCell(2), kZRowColor);
    lbEndX = addLabel(this, "lbEndX", "0", endCell(0), kXRowColor);
    lbEndY = addLabel(this, "lbEndY", "0", endCell(1), kYRowColor);
    lbEndZ = addLabel(this, "lbEndZ", "0", endCell(2), kZRowColor);

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Bevel1"));
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(4, kRuleTop, kClientWidth - 8, 2);

    addLabel(this, "lbF", "F:", QRect(kTitleLeft, kBottomRowTop, kTitleWidth, kRowHeight), kSilver);
    lbFeed = addLabel(this, "lbFeed", "0", QRect(kBeginLeft, kBottomRowTop, 96, kRowHeight), kSilver);
    addLabel(this, "Label6", "Length:", QRect(134, kBottomRowTop, 76, kRowHeight), kFormFontColor);
    // No colour of its own: the panel's text colour, like its title.
    lbLength = addLabel(this, "lbLength", "0", QRect(212, kBottomRowTop, 90, kRowHeight), kFormFontColor);

    img1 = addPicture(this);
}

void TInfoForm::FormCreate(TColor backColor, int mainLeft, int mainTop, int panel6Width, int panel10Width)
{
    setBackgroundColor(backColor);
    // The outer width once the window manager has framed the panel; before
    // that only the client width is known.
    const int ownWidth = frameGeometry().width();
    move(mainLeft + panel6Width + panel10Width - ownWidth, mainTop + 60);
}

void TInfoForm::setBackgroundColor(TColor backColor)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(backColor));
    setPalette(palette);
}

void TInfoForm::showSegment(const SegmentTexts& texts)
{
    lbBeginX->setText(QString::fromStdString(texts.lbBeginX));
    lbBeginY->setText(QString::fromStdString(texts.lbBeginY));
    lbBeginZ->setText(QString::fromStdString(texts.lbBeginZ));
    lbFeed->setText(QString::fromStdString(texts.lbFeed));
    lbEndX->setText(QString::fromStdString(texts.lbEndX));
    lbEndY->setText(QString::fromStdString(texts.lbEndY));
    lbEndZ->setText(QString::fromStdString(texts.lbEndZ));
    lbLength->setText(QString::fromStdString(texts.lbLength));
    img1->setVisible(texts.showPicture);
}

void TInfoForm::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}

}  // namespace tarnix
