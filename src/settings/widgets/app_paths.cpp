#include "settings/widgets/app_paths.h"

#include "settings/configuration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarnix {
namespace {

std::string withSlash(const QString& folder)
{
    QString path = QDir::cleanPath(folder);
    return (path.endsWith('/') ? path : path + '/').toStdString();
}

}  // namespace

AppPaths AppPaths::forApplication()
{
    AppPaths paths;
    const QString executableFolder = QCoreApplication::applicationDirPath();
    paths.executableFolder = withSlash(executableFolder);
    paths.executablePath = QCoreApplication::applicationFilePath().toStdString();

    const bool besideExecutable = QFileInfo(executableFolder).isWritable();
    QString configFolder = besideExecutable
                               ? executableFolder
                               : QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QString cacheFolder = besideExecutable
                              ? executableFolder
                              : QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(configFolder);
    QDir().mkpath(cacheFolder);
    paths.settingsFile = withSlash(configFolder) + std::string(kSettingsFileName);
    paths.formStorageFile =
        withSlash(configFolder) + QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString() + ".ini";
    paths.tempFolder = withSlash(cacheFolder) + "tempcnc/";
    paths.keyFile = withSlash(configFolder) + "key.ini";
    paths.startFolderKeyFile = withSlash(QDir::currentPath()) + "key.ini";
    return paths;
}

}  // namespace tarnix
