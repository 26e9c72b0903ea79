#include "common/widgets/in_front.h"

#include <QDialog>

namespace tarnix {

int execInFront(QDialog& dialog)
{
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    // Modal from the start: exec() makes no shown window modal.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    return dialog.exec();
}

}  // namespace tarnix
