// Tarnix: start-up. The splash stays at least a second while the windows
// are created, then the event loop runs until the main window closes.

#include "settings/widgets/app_paths.h"
#include "window/command_line.h"
#include "window/widgets/info_form.h"
#include "window/widgets/main_window.h"
#include "window/widgets/splash_window.h"
#include "window/widgets/tarnix_application.h"

#include <QSurfaceFormat>

#include <memory>

int main(int argc, char** argv)
{
    // The view draws with OpenGL 1.1: ask every context for a compatibility
    // profile with a depth buffer.
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);

    tarnix::TarnixApplication application(argc, argv);
    application.setApplicationVersion(TARNIX_VERSION);

    auto splash = std::make_unique<tarnix::SplashForm>();
    splash->show();
    splash->repaint();

    std::vector<std::string> arguments;
    for (const QString& argument : application.arguments().mid(1))
        arguments.push_back(argument.toStdString());
    const tarnix::AppPaths paths = tarnix::AppPaths::forApplication();
    tarnix::MainWindow window(application, paths,
                              tarnix::parseCommandLine(arguments, paths.executableFolder));

    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    } while (!splash->mayClose());
    splash.reset();

    window.show();
    window.placeInfoForm();
    return application.exec();
}
