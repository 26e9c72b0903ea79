#include "settings/widgets/ini_file_replacement.h"

#include "common/atomic_file.h"
#include "common/errors.h"
#include "common/regular_file.h"

#include <QDir>
#include <QTemporaryFile>

#include <filesystem>

namespace tarnix {
namespace {

InputOutputError createError(const std::string& path, const QString& reason)
{
    return InputOutputError("Cannot create \"" + path + "\": " + reason.toStdString());
}

}  // namespace

void replaceIniFile(const std::string& path, const std::function<void(QSettings&)>& change)
{
    // QSettings edits a copy; the file itself is then replaced in one step.
    QTemporaryFile copy(QDir::tempPath() + "/tarnix-XXXXXX.ini");
    if (!copy.open())
        throw createError(path, copy.errorString());
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
        const std::string old = readRegularFile(path);
        copy.write(old.data(), static_cast<qint64>(old.size()));
    }
    if (!copy.flush())
        throw createError(path, copy.errorString());
    copy.close();
    {
        QSettings settings(copy.fileName(), QSettings::IniFormat);
        change(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            throw createError(path, "the settings could not be written to " + copy.fileName());
    }
    writeFileAtomically(path, readRegularFile(copy.fileName().toStdString()));
}

}  // namespace tarnix
