#pragma once
// The program's files in a test's own folder, as if the executable lay there.

#include "settings/widgets/app_paths.h"

#include <QString>

namespace tarnix::testing {

// `folder` ends in "/".
inline AppPaths appPathsIn(const QString& folder)
{
    const std::string root = folder.toStdString();
    return {root,           root + "tarnix",  root + "CNCconfig.ini", root + "tarnix.ini", root + "tempcnc/",
            root + "key.ini", root + "key.ini"};
}

}  // namespace tarnix::testing
