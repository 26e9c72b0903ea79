#pragma once
// The drive bar `DriveToolbar1` beside the folder tree: the home folder and
// every mounted disk, so that a memory stick or a network share is one
// click away.

#include <QToolBar>

namespace tarnix {

class ExplorerDriveBar : public QToolBar {
    Q_OBJECT

public:
    explicit ExplorerDriveBar(QWidget* parent = nullptr);

    // Lists the mounted volumes again.
    void Refresh();

signals:
    void driveChosen(const QString& rootPath);
};

}  // namespace tarnix
