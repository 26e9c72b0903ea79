#include "settings/widgets/file_dialog_filter.h"

#include <QStringList>

namespace tarnix {

QString toQtFilter(std::string_view captionPatternPairs)
{
    const QStringList parts = QString::fromUtf8(captionPatternPairs.data(),
                                                static_cast<int>(captionPatternPairs.size()))
                                  .split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return filters.join(";;");
}

}  // namespace tarnix
