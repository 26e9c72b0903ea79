#include "explorer/widgets/explorer_drive_bar.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStyle>

namespace tarnix {
namespace {

// Disks a machinist keeps programs on: block devices and network shares,
// not the system's own mounts (boot, snaps, kernel and runtime folders).
bool worthShowing(const QStorageInfo& volume)
{
    if (volume.isRoot())
        return true;
    if (!volume.isValid() || !volume.isReady())
        return false;
    const QString root = volume.rootPath();
    for (const char* system : {"/boot", "/snap", "/proc", "/sys", "/dev", "/run/user"})
        if (root == system || root.startsWith(QString(system) + "/"))
            return false;
    static const QList<QByteArray> networkTypes{"nfs", "nfs4", "cifs", "smb3", "fuse.sshfs"};
    return volume.device().startsWith("/dev/") || networkTypes.contains(volume.fileSystemType());
}

QString captionOf(const QStorageInfo& volume)
{
    if (!volume.name().isEmpty())
        return volume.name();
    return volume.isRoot() ? QDir::rootPath() : QFileInfo(volume.rootPath()).fileName();
}

}  // namespace

ExplorerDriveBar::ExplorerDriveBar(QWidget* parent) : QToolBar(parent)
{
    setObjectName("DriveToolbar1");
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setIconSize(QSize(16, 16));
    Refresh();
}

void ExplorerDriveBar::Refresh()
{
    clear();
    auto add = [this](QStyle::StandardPixmap icon, const QString& caption, const QString& path) {
        QAction* action = addAction(style()->standardIcon(icon), caption);
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { emit driveChosen(path); });
    };
    add(QStyle::SP_DirHomeIcon, "Home", QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (worthShowing(volume))
            add(QStyle::SP_DriveHDIcon, captionOf(volume), volume.rootPath());
}

}  // namespace tarnix
