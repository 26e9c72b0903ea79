#pragma once
// The main window made as start-up makes it, shown and settled, for the
// window tests.

#include "window/command_line.h"
#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"

#include <QCoreApplication>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace tarnix::testing {

inline std::unique_ptr<MainWindow> startMainWindow(const AppPaths& paths,
                                                   const std::vector<std::string>& arguments = {})
{
    auto* application = static_cast<TarnixApplication*>(QCoreApplication::instance());
    auto window = std::make_unique<MainWindow>(*application, paths, parseCommandLine(arguments, paths.executableFolder));
    window->show();
    QTest::qWait(50);
    return window;
}

}  // namespace tarnix::testing
