#include "zip/widgets/zip_volumes_linux.h"

#include "zip/block_device_removable.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace tarnix {
namespace {

// The mount holding `path`; a path that does not exist yet (an archive
// about to be created) lies on the mount of its nearest existing folder.
QStorageInfo storageOf(const std::string& path)
{
    QFileInfo at(QFile::decodeName(QByteArray::fromStdString(path)));
    while (!at.exists() && at.absolutePath() != at.absoluteFilePath())
        at = QFileInfo(at.absolutePath());
    return QStorageInfo(at.absoluteFilePath());
}

}  // namespace

bool LinuxZipVolumes::isRemovable(const std::string& path) const
{
    const QStorageInfo storage = storageOf(path);
    return storage.isValid() && isRemovableBlockDevice(storage.device().toStdString());
}

std::optional<std::string> LinuxZipVolumes::volumeLabel(const std::string& path) const
{
    return volumeLabelOf(storageOf(path));
}

std::optional<std::string> volumeLabelOf(const QStorageInfo& storage)
{
    if (!storage.isValid())
        return std::string();
    if (!storage.isReady())
        return std::nullopt;
    return storage.name().left(11).toStdString();
}

}  // namespace tarnix
