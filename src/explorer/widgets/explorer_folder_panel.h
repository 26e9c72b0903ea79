#pragma once
// The Explorer page's folder side: the Up and Refresh buttons, the drive
// bar, the shell shortcut toolbar and the folder tree.

#include <QWidget>

class QToolButton;

namespace tarnix {

class ExplorerDriveBar;
class ExplorerFolderTree;
class ShellToolbar;

class ExplorerFolderPanel : public QWidget {
    Q_OBJECT

public:
    explicit ExplorerFolderPanel(QWidget* parent = nullptr);

    ExplorerFolderTree& Tree() const { return *tree_; }
    ExplorerDriveBar& DriveToolbar1() const { return *driveBar_; }
    QToolButton& upButton() const { return *up_; }
    QToolButton& refreshButton() const { return *refresh_; }
    ShellToolbar& ShellToolbar1() const { return *shellBar_; }

private:
    ExplorerFolderTree* tree_;
    ExplorerDriveBar* driveBar_;
    QToolButton* up_;
    QToolButton* refresh_;
    ShellToolbar* shellBar_;
};

}  // namespace tarnix
