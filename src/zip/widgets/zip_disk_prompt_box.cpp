#include "zip/widgets/zip_disk_prompt_box.h"

#include <QApplication>
#include <QMessageBox>

namespace tarnix {

bool MessageBoxDiskPrompt::confirm(const std::string& message)
{
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(),
                    QString::fromStdString(message), QMessageBox::Ok | QMessageBox::Cancel, parent_);
    box.setObjectName("ZipDiskPrompt");
    return box.exec() == QMessageBox::Ok;
}

}  // namespace tarnix
