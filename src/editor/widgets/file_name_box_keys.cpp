#include "editor/widgets/file_name_box_keys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tarnix {

FileNameBoxKeys::FileNameBoxKeys(QLineEdit& box, std::function<void()> ctrlEnter, std::function<void()> enter)
    : QObject(&box), ctrlEnter_(std::move(ctrlEnter)), enter_(std::move(enter))
{
    box.installEventFilter(this);
}

bool FileNameBoxKeys::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat())
        return false;
    if (event->type() == QEvent::KeyPress) {
        enterPressed_ = true;
        return false;
    }
    if (!enterPressed_)
        return false;
    enterPressed_ = false;
    if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier)
        ctrlEnter_();
    else
        enter_();
    return false;
}

}  // namespace tarnix
