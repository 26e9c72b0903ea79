#include "explorer/widgets/explorer_folder_panel.h"

#include "explorer/widgets/explorer_drive_bar.h"
#include "explorer/widgets/explorer_folder_tree.h"
#include "explorer/widgets/shell_toolbar.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnix {

ExplorerFolderPanel::ExplorerFolderPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName("ExplorerFolders");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);

    auto* buttons = new QWidget(this);
    buttons->setObjectName("Panel4");
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    auto button = [this, buttons](const char* name, QStyle::StandardPixmap icon, const char* hint) {
        auto* made = new QToolButton(buttons);
        made->setObjectName(name);
        made->setIcon(style()->standardIcon(icon));
        made->setToolTip(hint);
        made->setAutoRaise(true);
        return made;
    };
    up_ = button("SpeedButton2", QStyle::SP_FileDialogToParent, "Up");
    refresh_ = button("sbtnRefresh", QStyle::SP_BrowserReload, "Refresh  File list");
    driveBar_ = new ExplorerDriveBar(buttons);
    row->addWidget(up_);
    row->addWidget(refresh_);
    row->addWidget(driveBar_, 1);
    layout->addWidget(buttons);

    shellBar_ = new ShellToolbar(this);
    layout->addWidget(shellBar_);

    tree_ = new ExplorerFolderTree(this);
    layout->addWidget(tree_, 1);
}

}  // namespace tarnix
