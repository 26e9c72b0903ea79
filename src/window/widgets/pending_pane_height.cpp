#include "window/widgets/pending_pane_height.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QTimer>

namespace tarnix {

PendingPaneHeight::PendingPaneHeight(QSplitter& splitter, std::function<int()> read, std::function<void(int)> apply,
                                     int stored, QObject* parent)
    : QObject(parent), splitter_(splitter), read_(std::move(read)), apply_(std::move(apply))
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenHeight = screen ? screen->availableGeometry().height() : 0;
    if (stored >= kPaneInSight && stored <= screenHeight)
        waiting_ = stored;
    splitter_.installEventFilter(this);
    connect(&splitter_, &QSplitter::splitterMoved, this, [this] { waiting_ = -1; });
}

void PendingPaneHeight::tryToApply()
{
    const QList<int> sizes = splitter_.sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (waiting_ < 0 || sizes.size() != 2 || total - waiting_ < kPaneInSight)
        return;
    const int height = waiting_;
    waiting_ = -1;
    apply_(height);
}

int PendingPaneHeight::height() const
{
    return waiting_ >= 0 ? waiting_ : read_();
}

bool PendingPaneHeight::eventFilter(QObject* watched, QEvent* event)
{
    // Tried once the splitter has laid out its panes at the new size.
    if (watched == &splitter_ && event->type() == QEvent::Resize && waiting_ >= 0)
        QTimer::singleShot(0, this, [this] { tryToApply(); });
    return QObject::eventFilter(watched, event);
}

}  // namespace tarnix
