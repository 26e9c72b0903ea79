#include "workbench/about_box.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace tarnix {
namespace {

QPixmap aboutPicture()
{
    QPixmap picture(289, 89);
    picture.fill(QColor(16, 28, 44));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(128, 255, 0), 2));
    for (int x = 12; x < 270; x += 24)
        painter.drawLine(x, 74, x + 12, 58);
    painter.setPen(QColor(0, 255, 255));
    QFont font = painter.font();
    font.setPointSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 6, 289, 48), Qt::AlignCenter, "Tarnix");
    return picture;
}

}  // namespace

AboutForm::AboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutForm");
    setWindowTitle("About");
    setFixedSize(309, 167);
    auto* layout = new QVBoxLayout(this);
    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(aboutPicture());
    image->setAlignment(Qt::AlignCenter);
    layout->addWidget(image);
    auto* line = new QLabel("A workbench for CNC part programs", this);
    line->setAlignment(Qt::AlignCenter);
    layout->addWidget(line);
    auto* version = new QLabel("Version: " + QCoreApplication::applicationVersion(), this);
    version->setObjectName("VersionInfo");
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(version);
    // The picture and the labels let clicks through to the box, which closes.
    for (QLabel* label : {image, line, version})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void AboutForm::mousePressEvent(QMouseEvent*)
{
    accept();
}

}  // namespace tarnix
