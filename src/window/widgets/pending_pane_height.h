#pragma once
// A pane height kept between runs, waiting until its splitter can show it.
// A window manager maximises the window some time after it was first shown:
// a height that only the maximised window holds is taken then. A height no
// screen can hold is dropped, and a move of the splitter by the user ends
// the wait.

#include <QObject>

#include <functional>

class QSplitter;

namespace tarnix {

class PendingPaneHeight : public QObject {
    Q_OBJECT

public:
    // Both panes of a splitter stay at least this high.
    static constexpr int kPaneInSight = 32;

    // `read` gives the pane's height now; `apply` sets it, with room left
    // for the other pane. A negative `stored` is no stored height.
    PendingPaneHeight(QSplitter& splitter, std::function<int()> read, std::function<void(int)> apply, int stored,
                      QObject* parent);

    // Takes the stored height now if the splitter can show it.
    void tryToApply();
    // The height to store: the one still waiting, else the pane's own.
    int height() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSplitter& splitter_;
    std::function<int()> read_;
    std::function<void(int)> apply_;
    int waiting_ = -1;
};

}  // namespace tarnix
