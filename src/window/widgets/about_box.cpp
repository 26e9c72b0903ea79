#include "window/widgets/about_box.h"

#include "window/widgets/brand_picture.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace tarnix {

AboutForm::AboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutForm");
    setWindowTitle("About");
    setFixedSize(309, 167);
    auto* layout = new QVBoxLayout(this);
    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(brandPicture(QSize(289, 89), 22));
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
